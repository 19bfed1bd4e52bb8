#pragma once
// Finds and opens the font files behind LOGFONTs, and keeps each face and size open once.
//
// Every face name maps to Liberation Sans (metric-compatible with "Arial"): "Arial", the dialog
// fonts "MS Shell Dlg", "MS Shell Dlg 2" and "MS Sans Serif", and any face name it does not know.
// The dialog fonts are drawn at kDialogWidthPercent of Liberation Sans' widths, at the height asked
// for: the dialog templates are laid out in the units of the narrow 8-point dialog face, and at
// full width a label of the template's length (a whole line of 13-pixel cells) would not fit the
// rectangle it was given. Heights, and with them the 13-pixel line of the 8-point font, stay.
// lfWeight >= FW_SEMIBOLD picks the Bold file, lfItalic the Italic one. The files come from the
// Debian package fonts-liberation2; a missing or unreadable file throws FontError naming it.

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <tuple>

#include "platform/framework/gdi/FontInstance.h"
#include "platform/framework/gdi/GdiTypes.h"

struct FT_LibraryRec_;

class FontError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class FontEngine {
public:
    static constexpr const char* kDefaultDirectory = "/usr/share/fonts/truetype/liberation2";
    static constexpr const char* kPackage = "fonts-liberation2";
    // Characters above this many pixels are drawn at it (keeps absurd requests from exhausting memory).
    static constexpr int kMaxPixels = 1000;
    static constexpr int kDialogWidthPercent = 90;
    // True for the dialog faces, which are drawn narrower (see above); any case.
    static bool IsDialogFace(const LOGFONT& logFont);

    static FontEngine& Get();

    // Where the font files are looked for; changing it closes every open face.
    void SetFontDirectory(const std::string& directory);
    const std::string& FontDirectory() const { return m_directory; }

    // The file name (without folder) a font is drawn with.
    static std::string FileNameFor(const LOGFONT& logFont);
    // The realised font, at `scale` times its pixel size for contexts that draw at a larger scale;
    // throws FontError when its file is missing or unreadable.
    FontInstance& Instance(const LOGFONT& logFont, int scale = 1);
    // Goes up each time every open face is closed (SetFontDirectory): a realised font kept from an
    // earlier generation is gone.
    unsigned Generation() const { return m_generation; }

    ~FontEngine();
    FontEngine(const FontEngine&) = delete;
    FontEngine& operator=(const FontEngine&) = delete;

private:
    FontEngine();
    struct FT_FaceRec_* Face(const std::string& fileName);
    void CloseAll();

    FT_LibraryRec_* m_library = nullptr;
    unsigned m_generation = 1;
    std::string m_directory = kDefaultDirectory;
    std::map<std::string, struct FT_FaceRec_*> m_faces;
    std::map<std::tuple<std::string, int, int, int>, std::unique_ptr<FontInstance>> m_instances;
};
