#include "platform/framework/gdi/PngFile.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <unistd.h>

#include "platform/framework/SafeSave.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

void SetError(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
}

void OnPngError(png_structp png, png_const_charp message)
{
    auto* text = static_cast<char*>(png_get_error_ptr(png));
    if (text)
        std::snprintf(text, 256, "%s", message ? message : "unknown libpng error");
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Plain-C writer: nothing with a destructor lives across setjmp. Returns 0 on success.
int WriteRows(std::FILE* file, png_uint_32 width, png_uint_32 height, png_bytep* rows, char* message)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, OnPngError, OnPngWarning);
    if (!png)
        return 1;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return 1;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return 1;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return 0;
}

struct ReadState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
};

// Reads the header and sets the transformations. Returns 0 on success.
int ReadHeader(std::FILE* file, ReadState* s, char* message)
{
    s->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, message, OnPngError, OnPngWarning);
    if (!s->png)
        return 1;
    s->info = png_create_info_struct(s->png);
    if (!s->info)
        return 1;
    if (setjmp(png_jmpbuf(s->png)))
        return 1;
    png_set_user_limits(s->png, Surface::kMaxDimension, Surface::kMaxDimension);
    png_init_io(s->png, file);
    png_read_info(s->png, s->info);
    int bitDepth = 0, colorType = 0;
    png_get_IHDR(s->png, s->info, &s->width, &s->height, &bitDepth, &colorType, nullptr, nullptr, nullptr);
    if (bitDepth == 16)
        png_set_strip_16(s->png);
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(s->png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(s->png);
    if (bitDepth < 8)
        png_set_packing(s->png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(s->png);
    png_color_16 black{};
    png_set_background(s->png, &black, PNG_BACKGROUND_GAMMA_SCREEN, 0, 1.0);
    png_set_interlace_handling(s->png);
    png_read_update_info(s->png, s->info);
    if (png_get_rowbytes(s->png, s->info) != static_cast<png_size_t>(s->width) * 3) {
        std::snprintf(message, 256, "unsupported pixel layout");
        return 1;
    }
    return 0;
}

int ReadRows(ReadState* s, png_bytep* rows)
{
    if (setjmp(png_jmpbuf(s->png)))
        return 1;
    png_read_image(s->png, rows);
    png_read_end(s->png, nullptr);
    return 0;
}

}  // namespace

bool PngFile::Write(const Surface& surface, const std::string& path, std::string* error)
{
    if (surface.IsEmpty()) {
        SetError(error, "cannot write an empty image to " + path);
        return false;
    }
    SafeSave save;
    FILE* file = save.BeginStream(path, "wb");
    if (file == nullptr) {
        SetError(error, "cannot create " + path + ": " + std::strerror(errno));
        return false;
    }
    const int w = surface.Width(), h = surface.Height();
    std::vector<png_byte> data(static_cast<std::size_t>(w) * h * 3);
    std::vector<png_bytep> rows(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        png_bytep out = &data[static_cast<std::size_t>(y) * w * 3];
        rows[static_cast<std::size_t>(y)] = out;
        const std::uint32_t* in = surface.Row(y);
        for (int x = 0; x < w; ++x) {
            out[3 * x] = static_cast<png_byte>(in[x] >> 16);
            out[3 * x + 1] = static_cast<png_byte>(in[x] >> 8);
            out[3 * x + 2] = static_cast<png_byte>(in[x]);
        }
    }
    char message[256] = "libpng could not write the image";
    const int failed = WriteRows(file, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), rows.data(), message);
    if (failed) {
        save.Abandon();
        SetError(error, "cannot write " + path + ": " + message);
        return false;
    }
    if (const int code = save.Commit(false); code != 0) {  // screenshots need no sync to disk
        SetError(error, "cannot write " + path + ": " + std::strerror(code));
        return false;
    }
    return true;
}

bool PngFile::Read(const std::string& path, Surface& surface, std::string* error)
{
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        SetError(error, "cannot open " + path + ": " + std::strerror(errno));
        return false;
    }
    png_byte signature[8] = {};
    if (std::fread(signature, 1, 8, file.get()) != 8 || png_sig_cmp(signature, 0, 8) != 0) {
        SetError(error, path + " is not a PNG file");
        return false;
    }
    std::rewind(file.get());
    char message[256] = "libpng could not read the image";
    ReadState s;
    struct Cleanup {
        ReadState& s;
        ~Cleanup() { png_destroy_read_struct(&s.png, s.info ? &s.info : nullptr, nullptr); }
    } cleanup{s};
    if (ReadHeader(file.get(), &s, message) != 0) {
        SetError(error, "cannot read " + path + ": " + message);
        return false;
    }
    if (s.width == 0 || s.height == 0 || s.width > static_cast<png_uint_32>(Surface::kMaxDimension) ||
        s.height > static_cast<png_uint_32>(Surface::kMaxDimension)) {
        SetError(error, "cannot read " + path + ": image size out of range");
        return false;
    }
    const int w = static_cast<int>(s.width), h = static_cast<int>(s.height);
    std::vector<png_byte> data(static_cast<std::size_t>(w) * h * 3);
    std::vector<png_bytep> rows(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        rows[static_cast<std::size_t>(y)] = &data[static_cast<std::size_t>(y) * w * 3];
    if (ReadRows(&s, rows.data()) != 0) {
        SetError(error, "cannot read " + path + ": " + message);
        return false;
    }
    Surface result(w, h);
    for (int y = 0; y < h; ++y) {
        const png_byte* in = rows[static_cast<std::size_t>(y)];
        std::uint32_t* out = result.Row(y);
        for (int x = 0; x < w; ++x)
            out[x] = (static_cast<std::uint32_t>(in[3 * x]) << 16) | (static_cast<std::uint32_t>(in[3 * x + 1]) << 8) |
                     in[3 * x + 2];
    }
    surface = std::move(result);
    return true;
}
