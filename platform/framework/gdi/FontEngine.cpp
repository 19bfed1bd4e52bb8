#include "platform/framework/gdi/FontEngine.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>

FontEngine& FontEngine::Get()
{
    static FontEngine engine;
    return engine;
}

FontEngine::FontEngine()
{
    if (FT_Init_FreeType(&m_library) != 0)
        throw FontError("FreeType could not be initialised");
}

FontEngine::~FontEngine()
{
    CloseAll();
    FT_Done_FreeType(m_library);
}

void FontEngine::CloseAll()
{
    ++m_generation;
    m_instances.clear();  // sizes belong to faces: drop them first
    for (auto& [name, face] : m_faces)
        FT_Done_Face(face);
    m_faces.clear();
}

void FontEngine::SetFontDirectory(const std::string& directory)
{
    CloseAll();
    m_directory = directory;
}

std::string FontEngine::FileNameFor(const LOGFONT& logFont)
{
    const bool bold = logFont.lfWeight >= FW_SEMIBOLD;
    const bool italic = logFont.lfItalic != 0;
    if (bold && italic)
        return "LiberationSans-BoldItalic.ttf";
    if (bold)
        return "LiberationSans-Bold.ttf";
    if (italic)
        return "LiberationSans-Italic.ttf";
    return "LiberationSans-Regular.ttf";
}

bool FontEngine::IsDialogFace(const LOGFONT& logFont)
{
    char name[LF_FACESIZE + 1] = {};
    std::memcpy(name, logFont.lfFaceName, LF_FACESIZE);
    for (const char* face : {"MS Shell Dlg", "MS Shell Dlg 2", "MS Sans Serif"}) {
        if (strcasecmp(name, face) == 0) return true;
    }
    return false;
}

FT_FaceRec_* FontEngine::Face(const std::string& fileName)
{
    auto it = m_faces.find(fileName);
    if (it != m_faces.end())
        return it->second;
    const std::string path = (std::filesystem::path(m_directory) / fileName).string();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw FontError("font file " + path + " is missing: install the Debian package " + kPackage +
                        " (tools/setup.sh does)");
    FT_Face face = nullptr;
    if (FT_New_Face(m_library, path.c_str(), 0, &face) != 0 || !face || !FT_IS_SCALABLE(face))
    {
        if (face)
            FT_Done_Face(face);
        throw FontError("font file " + path + " cannot be read: reinstall the Debian package " + kPackage);
    }
    m_faces.emplace(fileName, face);
    return face;
}

FontInstance& FontEngine::Instance(const LOGFONT& logFont, int scale)
{
    const std::string file = FileNameFor(logFont);
    long long h = logFont.lfHeight;
    FontInstance::SizeKind kind = FontInstance::SizeKind::CharacterHeight;
    int pixels = 11;
    if (h < 0) {
        pixels = static_cast<int>(-h > kMaxPixels ? kMaxPixels : -h);
    } else if (h > 0) {
        kind = FontInstance::SizeKind::CellHeight;
        pixels = static_cast<int>(h > kMaxPixels ? kMaxPixels : h);
    }
    pixels *= std::max(scale, 1);
    const int widthPercent = IsDialogFace(logFont) ? kDialogWidthPercent : 100;
    const auto key = std::make_tuple(file, static_cast<int>(kind), pixels, widthPercent);
    auto it = m_instances.find(key);
    if (it != m_instances.end())
        return *it->second;
    FT_Face face = Face(file);
    auto instance = std::make_unique<FontInstance>(face, kind, pixels, widthPercent);
    return *m_instances.emplace(key, std::move(instance)).first->second;
}
