// libjpeg reports a fatal error by calling exit() and treats a truncated file as a mere
// warning that still "succeeds" with a grey picture. Both are turned into errors: the error
// handler jumps back out of the library, and the end-of-data warning counts as fatal.
#include "render/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>
#include <string>
// clang-format off: jpeglib.h needs <cstdio> first
#include <jerror.h>
#include <jpeglib.h>
// clang-format on

#include "render/picture_error.h"
#include "render/picture_loader.h"

namespace ribaku::render {
namespace {

struct ErrorJump {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorJump*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void EmitMessage(j_common_ptr cinfo, int msgLevel) {
    if (msgLevel < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) JumpOut(cinfo);
    if (msgLevel < 0) ++cinfo->err->num_warnings;  // other damage: decoded as well as it can be
}

// The steps that call into libjpeg hold no object with a destructor, so that the jump out
// of the library skips nothing. Each returns false after an error.
bool ReadHeader(jpeg_decompress_struct& cinfo, ErrorJump& err, const std::string& bytes) {
    if (setjmp(err.jump)) return false;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK) {
        std::snprintf(err.message, sizeof err.message, "CMYK pictures are not supported");
        return false;
    }
    cinfo.out_color_space = JCS_RGB;
    return true;
}

// Allocates the decoder's buffers, which for a progressive picture hold the whole of it.
bool StartDecoding(jpeg_decompress_struct& cinfo, ErrorJump& err) {
    if (setjmp(err.jump)) return false;
    jpeg_start_decompress(&cinfo);
    return true;
}

bool DecodeRows(jpeg_decompress_struct& cinfo, ErrorJump& err, QImage& image) {
    if (setjmp(err.jump)) return false;
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * 3, 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        jpeg_read_scanlines(&cinfo, row, 1);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < cinfo.output_width; ++x, in += 3) {
            out[x] = qRgb(in[0], in[1], in[2]);
        }
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

// Why the picture cannot be decoded into `image`; empty when it has been.
std::string Decode(jpeg_decompress_struct& cinfo, ErrorJump& err, const std::string& bytes,
                   QImage& image) {
    if (!ReadHeader(cinfo, err, bytes)) return err.message;
    // Refused before the decoder or the image allocate anything for the pixels.
    std::string problem = PictureSizeProblem(cinfo.image_width, cinfo.image_height);
    if (!problem.empty()) return problem;
    if (!StartDecoding(cinfo, err)) return err.message;
    const auto width = static_cast<int>(cinfo.output_width);
    const auto height = static_cast<int>(cinfo.output_height);
    image = QImage(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return "the picture is too large (" + std::to_string(width) + " x " +
               std::to_string(height) + ")";
    }
    if (!DecodeRows(cinfo, err, image)) return err.message;
    return {};
}

}  // namespace

QImage DecodeJpeg(const std::string& bytes, const std::string& name) {
    jpeg_decompress_struct cinfo{};
    ErrorJump err{};
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JumpOut;
    err.mgr.emit_message = EmitMessage;
    jpeg_create_decompress(&cinfo);
    QImage image;
    const std::string problem = Decode(cinfo, err, bytes, image);
    jpeg_destroy_decompress(&cinfo);
    if (!problem.empty())
        throw PictureError(name + ": not a readable JPEG picture (" + problem + ")");
    return image;
}

}  // namespace ribaku::render
