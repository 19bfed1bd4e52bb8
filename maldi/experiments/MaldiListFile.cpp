#include "maldi/experiments/MaldiListFile.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "maldi/experiments/MaldiListLine.h"
#include "platform/auditfile/AuditFile.h"

namespace {

constexpr std::size_t kReadBuffer = 256 * 1024;

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
    // Larger reads than stdio's default page: a list of 100,000 entries is some 13 MB.
    std::vector<char> streamBuffer(kReadBuffer);
    std::setvbuf(file, streamBuffer.data(), _IOFBF, streamBuffer.size());

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

// Lines are formatted into a buffer that goes to the stream in large pieces: one stdio call per
// piece instead of one per line.
constexpr std::size_t kWriteChunk = 64 * 1024;

template <class Entry, class FormatLine>
bool WriteList(LPCTSTR path, const MaldiEntryList<Entry>* list, FormatLine formatLine)
{
    if (path == nullptr || list == nullptr)
        return false;
    FILE* file = fopenS(path, "w");
    if (file == nullptr)
        return false;
    std::vector<char> buffer(kWriteChunk + MaldiListLine::kMaxLineLength + 1);
    std::size_t used = 0;
    bool ok = true;
    auto flush = [&] {
        if (used > 0 && fprintfS(file, "%.*s", static_cast<int>(used), buffer.data()) < 0)
            ok = false;
        used = 0;
    };
    for (int i = 0; ok && i < list->nCount; ++i) {
        if (i > 0)
            buffer[used++] = '\n';
        used += formatLine(buffer.data() + used, list->pEntries[i]);
        if (used >= kWriteChunk)
            flush();
    }
    if (ok)
        flush();
    // A failed write leaves the stream in error, so the close refuses to replace the old file.
    if (fcloseS(file) != 0)
        ok = false;
    return ok;
}

LineResult ParseMassLine(const char* line, MaldiSwitchMassEntry& entry)
{
    if (line[0] == ';' || line[0] == '\0')
        return LineResult::Skip;
    // Set mass, the reserved field, then the nine values in bit order.
    double fields[2 + MaldiSwitchMassEntry::kValueCount];
    for (double& v : fields)
        v = -1.0;
    long flags = 0xFFFF;
    const int n = MaldiListLine::Scan(line, 11, fields, &flags);
    if (n < 1)
        return LineResult::Refuse;
    const double* values = fields + 2;
    entry.dSetMass = fields[0];
    double* out[MaldiSwitchMassEntry::kValueCount] = {&entry.dLM, &entry.dHM, &entry.dTimeout, &entry.dStopIntensity};
    for (int k = 0; k < 5; ++k)
        out[4 + k] = &entry.dCollisionEnergy[k];
    for (int i = 0; i < MaldiSwitchMassEntry::kValueCount; ++i) {
        const bool given = i + 3 <= n;
        *out[i] = given ? values[i] : -1.0;
        if (!given)
            flags &= ~(1L << i);
    }
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
    const int n = MaldiListLine::Scan(line, 9, fields, &flags);
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

std::size_t FormatMassLine(char* out, const MaldiSwitchMassEntry& e)
{
    const double* ce = e.dCollisionEnergy;
    const double v[11] = {e.dSetMass, 0.0, e.dLM, e.dHM, e.dTimeout, e.dStopIntensity, ce[0], ce[1], ce[2], ce[3], ce[4]};
    return MaldiListLine::Format(out, v, 11, static_cast<int>(e.wFlags));
}

std::size_t FormatProfileLine(char* out, const MaldiCEProfileEntry& e)
{
    const double* ce = e.dCollisionEnergy;
    const double v[9] = {e.dFromMass, e.dToMass, e.dCarriedA, e.dCarriedB, ce[0], ce[1], ce[2], ce[3], ce[4]};
    return MaldiListLine::Format(out, v, 9, static_cast<int>(e.wFlags));
}

}  // namespace

bool MaldiListFile::WriteMassList(LPCTSTR path, const MaldiSwitchMassList* list)
{
    return WriteList(path, list, FormatMassLine);
}

MaldiSwitchMassList* MaldiListFile::ReadMassList(LPCTSTR path)
{
    return ReadList<MaldiSwitchMassEntry>(path, ParseMassLine);
}

bool MaldiListFile::WriteProfile(LPCTSTR path, const MaldiCEProfileList* list)
{
    return WriteList(path, list, FormatProfileLine);
}

MaldiCEProfileList* MaldiListFile::ReadProfile(LPCTSTR path)
{
    return ReadList<MaldiCEProfileEntry>(path, ParseProfileLine);
}
