#include "tests/support/HostResources.h"

HostResources::HostResources()
    : m_module("host",
               {},
               {
                   {IDS_DEFAULT_ION_MODE, "LDI+"},
                   {IDS_DEFAULT_DATA_FORMAT, "Centroid"},
               },
               {}),
      m_registrar(m_module)
{
}
