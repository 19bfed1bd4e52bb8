#include "maldi/experiments/MaldiListFile.h"

#include <cstdio>
#include <cstring>

#include "platform/auditfile/AuditFile.h"

namespace {

enum class LineResult { Skip, Entry, Refuse };

template <class Entry, class ParseLine>
MaldiEntryList<Entry>* ReadList(LPCTSTR path, ParseLine parseLine)
{
    using List = MaldiEntryList<Entry>;
    if (path == nullptr)
        return nullptr;
    List* list = List::Create(MaldiListFile::kInitialCapacity);
    if (list == nullptr || list->pEntries == nullptr)
        return List::Destroy(list);
    FILE* file = fopenS(path, "r");
    if (file == nullptr)
        return List::Destroy(list);

    bool ok = true;
    while (ok && !std::feof(file)) {
        char line[MaldiListFile::kLineBufferSize];
        std::memset(line, 0, sizeof line);
        fgetsS(line, sizeof line, file);  // a read that gets nothing leaves the line empty
        if (std::ferror(file)) {
            ok = false;
            break;
        }
        Entry entry{};
        switch (parseLine(line, entry)) {
        case LineResult::Skip:
            break;
        case LineResult::Refuse:
            ok = false;
            break;
        case LineResult::Entry:
            ok = List::Append(list, entry);
            break;
        }
    }
    fcloseS(file);
    return ok ? list : List::Destroy(list);
}

template <class Entry, class WriteLine>
bool WriteList(LPCTSTR path, const MaldiEntryList<Entry>* list, WriteLine writeLine)
{
    if (path == nullptr || list == nullptr)
        return false;
    FILE* file = fopenS(path, "w");
    if (file == nullptr)
        return false;
    bool ok = true;
    for (int i = 0; ok && i < list->nCount; ++i) {
        if (i > 0 && fprintfS(file, "\n") < 0)
            ok = false;
        else if (writeLine(file, list->pEntries[i]) < 0)
            ok = false;
    }
    // A failed write leaves the stream in error, so the close refuses to replace the old file.
    if (fcloseS(file) != 0)
        ok = false;
    return ok;
}

LineResult ParseMassLine(const char* line, MaldiSwitchMassEntry& entry)
{
    if (line[0] == ';' || line[0] == '\0')
        return LineResult::Skip;
    double setMass = -1.0;
    double reserved = 0.0;
    double values[MaldiSwitchMassEntry::kValueCount];
    for (double& v : values)
        v = -1.0;
    long flags = 0xFFFF;
    int n = std::sscanf(line, "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%ld", &setMass, &reserved, &values[0],
                        &values[1], &values[2], &values[3], &values[4], &values[5], &values[6], &values[7],
                        &values[8], &flags);
    if (n < 1)
        return LineResult::Refuse;
    // The line holds n fields: set mass, the reserved field, then the values in bit order.
    for (int i = 0; i < MaldiSwitchMassEntry::kValueCount; ++i) {
        if (i + 3 > n) {
            values[i] = -1.0;
            flags &= ~(1L << i);
        }
    }
    entry.dSetMass = setMass;
    entry.dLM = values[0];
    entry.dHM = values[1];
    entry.dTimeout = values[2];
    entry.dStopIntensity = values[3];
    for (int k = 0; k < 5; ++k)
        entry.dCollisionEnergy[k] = values[4 + k];
    entry.wFlags = static_cast<WORD>(static_cast<unsigned long>(flags) & 0xFFFFu);
    return LineResult::Entry;
}

LineResult ParseProfileLine(const char* line, MaldiCEProfileEntry& entry)
{
    if (line[0] == '\0')
        return LineResult::Skip;
    double fields[9];
    for (double& v : fields)
        v = -1.0;
    long flags = 0xFFFF;
    int n = std::sscanf(line, "%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%lf,%ld", &fields[0], &fields[1], &fields[2],
                        &fields[3], &fields[4], &fields[5], &fields[6], &fields[7], &fields[8], &flags);
    if (n < 1)
        return LineResult::Refuse;
    for (int i = n; i < 9; ++i) {
        fields[i] = -1.0;
        if (i >= 4)  // the energies; the carried values have no bit
            flags &= ~(1L << (i - 4));
    }
    if (n == 1)
        fields[1] = fields[0];  // one mass is the range from it to itself
    entry.dFromMass = fields[0];
    entry.dToMass = fields[1];
    entry.dCarriedA = fields[2];
    entry.dCarriedB = fields[3];
    for (int k = 0; k < 5; ++k)
        entry.dCollisionEnergy[k] = fields[4 + k];
    entry.wFlags = static_cast<WORD>(static_cast<unsigned long>(flags) & 0xFFFFu);
    return LineResult::Entry;
}

int WriteMassLine(FILE* file, const MaldiSwitchMassEntry& e)
{
    const double* ce = e.dCollisionEnergy;
    return fprintfS(file, "%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%d", e.dSetMass, 0.0, e.dLM, e.dHM, e.dTimeout,
                    e.dStopIntensity, ce[0], ce[1], ce[2], ce[3], ce[4], static_cast<int>(e.wFlags));
}

int WriteProfileLine(FILE* file, const MaldiCEProfileEntry& e)
{
    const double* ce = e.dCollisionEnergy;
    return fprintfS(file, "%f,%f,%f,%f,%f,%f,%f,%f,%f,%d", e.dFromMass, e.dToMass, e.dCarriedA, e.dCarriedB, ce[0],
                    ce[1], ce[2], ce[3], ce[4], static_cast<int>(e.wFlags));
}

}  // namespace

bool MaldiListFile::WriteMassList(LPCTSTR path, const MaldiSwitchMassList* list)
{
    return WriteList(path, list, WriteMassLine);
}

MaldiSwitchMassList* MaldiListFile::ReadMassList(LPCTSTR path)
{
    return ReadList<MaldiSwitchMassEntry>(path, ParseMassLine);
}

bool MaldiListFile::WriteProfile(LPCTSTR path, const MaldiCEProfileList* list)
{
    return WriteList(path, list, WriteProfileLine);
}

MaldiCEProfileList* MaldiListFile::ReadProfile(LPCTSTR path)
{
    return ReadList<MaldiCEProfileEntry>(path, ParseProfileLine);
}
