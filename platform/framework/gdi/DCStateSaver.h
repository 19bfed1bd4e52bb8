#pragma once
// Saves a context's painting state for the length of a scope and restores it on the way out, so a
// paint routine cannot leave origins, clip, colours or selected objects changed.

#include "platform/framework/gdi/CDC.h"

class DCStateSaver {
public:
    explicit DCStateSaver(CDC& dc) : m_dc(dc), m_level(dc.SaveDC()) {}
    ~DCStateSaver()
    {
        if (m_level > 0)
            m_dc.RestoreDC(m_level);
    }
    DCStateSaver(const DCStateSaver&) = delete;
    DCStateSaver& operator=(const DCStateSaver&) = delete;

private:
    CDC& m_dc;
    int m_level;
};
