#include "platform/JpegCodec.h"

#include "platform/AtomicFile.h"
#include "platform/FileRead.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include <jerror.h>

namespace pelcor::JpegCodec {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool endedEarly = false; // the data ran out before the picture was complete
};

void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings are not shown; a picture cut short is noted, so it can be refused.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<ErrorManager*>(cinfo->err)->endedEarly = true;
}

// The parts of decoding that run between setjmp and libjpeg's longjmp: no object with a
// destructor lives in this frame; the picture is the caller's and the row buffer libjpeg's.
bool DecodeInto(const std::string& bytes, long long maxPixels, QImage& image, std::string& why) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    if (setjmp(err.jump)) {
        why = err.message;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    // The declared size is checked before anything is decoded or allocated.
    const long long declared = static_cast<long long>(cinfo.image_width) * cinfo.image_height;
    if (declared > maxPixels) {
        why = PictureTooLarge(cinfo.image_width, cinfo.image_height, maxPixels);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    cinfo.out_color_space = cinfo.num_components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const int width = static_cast<int>(cinfo.output_width);
    const int height = static_cast<int>(cinfo.output_height);
    const int components = cinfo.output_components;
    image = QImage(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        why = NoMemoryForPicture;
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                width * components, 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        jpeg_read_scanlines(&cinfo, row, 1);
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = row[0] + x * components;
            line[x] = components == 1 ? qRgb(p[0], p[0], p[0]) : qRgb(p[0], p[1], p[2]);
        }
    }
    // Only missing picture data counts: a file that lacks just its end marker is whole.
    const bool truncated = err.endedEarly;
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    if (truncated) {
        why = "the JPEG data is truncated";
        return false;
    }
    return true;
}

bool EncodeFrom(const std::vector<unsigned char>& rgb, int width, int height,
                unsigned char*& buffer, unsigned long& size, std::string& why) {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    if (setjmp(err.jump)) {
        why = err.message;
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(rgb.data()) +
                       static_cast<size_t>(cinfo.next_scanline) * width * 3;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

QImage Decode(const std::string& bytes, std::string* error, long long maxPixels) {
    QImage image;
    std::string why;
    if (bytes.empty() || !DecodeInto(bytes, maxPixels, image, why)) {
        if (error) *error = why.empty() ? "not a JPEG file" : why;
        return {};
    }
    return image;
}

std::string Encode(const QImage& source, std::string& out) {
    if (source.isNull()) return "no picture";
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::vector<unsigned char> rgb(static_cast<size_t>(image.width()) * image.height() * 3);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        unsigned char* dst = rgb.data() + static_cast<size_t>(y) * image.width() * 3;
        for (int x = 0; x < image.width(); ++x) {
            dst[3 * x] = static_cast<unsigned char>(qRed(line[x]));
            dst[3 * x + 1] = static_cast<unsigned char>(qGreen(line[x]));
            dst[3 * x + 2] = static_cast<unsigned char>(qBlue(line[x]));
        }
    }
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::string why;
    bool ok = EncodeFrom(rgb, image.width(), image.height(), buffer, size, why);
    if (ok) out.assign(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return ok ? std::string() : why;
}

QImage ReadFile(const std::string& path, std::string* error) {
    const LoadedFile file = ReadRegularFile(path, read_limit::Picture);
    if (!file.ok()) {
        if (error) *error = file.error;
        return {};
    }
    return Decode(file.bytes, error);
}

std::string WriteFile(const std::string& path, const QImage& image) {
    std::string bytes;
    std::string why = Encode(image, bytes);
    if (!why.empty()) return why;
    return WriteFileAtomically(path, bytes);
}

} // namespace pelcor::JpegCodec
