// SPDX-License-Identifier: GPL-3.0-or-later
// Picture files in and PNG files out. Each decoder works into a scratch picture, so a
// failure leaves the caller's picture as it was.
#include "field/picture_loader.h"

#include <gif_lib.h>
#include <jerror.h>
#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <utility>

#include "field/bmp_reader.h"
#include "game/files.h"

namespace tv {

namespace {

bool Fail(std::string* error, const std::string& text) {
  if (error) *error = text;
  return false;
}

// ---------------------------------------------------------------------------------------
// PNG reading. libpng reports errors by longjmp, so the functions holding setjmp keep only
// trivially destructible locals; memory is allocated between the two calls.

struct MemoryReader {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t position;
};

void PngRead(png_structp png, png_bytep out, png_size_t count) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (count > reader->size - reader->position) png_error(png, "file is truncated");
  std::memcpy(out, reader->data + reader->position, count);
  reader->position += count;
}

void PngError(png_structp png, png_const_charp message) {
  auto* text = static_cast<char*>(png_get_error_ptr(png));
  std::snprintf(text, 200, "%s", message);
  png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

struct PngHeader {
  png_uint_32 width;
  png_uint_32 height;
  int channels;  // 3 (blue, green, red) or 4 (with alpha)
};

bool PngReadHeader(png_structp png, png_infop info, PngHeader* header) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_user_limits(png, PixelBuffer::kMaxDimension, PixelBuffer::kMaxDimension);
  png_read_info(png, info);
  int bit_depth, color_type;
  png_get_IHDR(png, info, &header->width, &header->height, &bit_depth, &color_type, nullptr,
               nullptr, nullptr);
  // Everything becomes 8-bit blue, green, red, with alpha when the file has any.
  if (bit_depth == 16) png_set_strip_16(png);
  if (color_type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (color_type == PNG_COLOR_TYPE_GRAY && bit_depth < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (color_type == PNG_COLOR_TYPE_GRAY || color_type == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(png);
  }
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  header->channels = png_get_channels(png, info);
  return header->channels == 3 || header->channels == 4;
}

bool PngReadRows(png_structp png, png_infop info, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_image(png, rows);
  png_read_end(png, info);
  return true;
}

bool DecodePng(const std::uint8_t* data, std::size_t size, PixelBuffer* out, std::string* error) {
  char message[200] = "invalid PNG file";
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, message, PngError, PngWarning);
  if (!png) return Fail(error, "out of memory");
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return Fail(error, "out of memory");
  }
  MemoryReader reader{data, size, 0};
  png_set_read_fn(png, &reader, PngRead);

  PngHeader header{};
  const bool header_ok = PngReadHeader(png, info, &header);
  bool ok = header_ok && PixelBuffer::PictureSizeAllowed(header.width, header.height);
  if (header_ok && !ok) std::snprintf(message, sizeof message, "picture is too large");
  PixelBuffer picture;
  std::vector<std::uint8_t> with_alpha;
  std::vector<png_bytep> rows;
  if (ok) {
    const int width = static_cast<int>(header.width), height = static_cast<int>(header.height);
    picture.CreateUninitialised(width, height);
    rows.resize(height);
    if (header.channels == 4) {
      with_alpha.resize(static_cast<std::size_t>(width) * 4 * height);
      for (int y = 0; y < height; ++y) rows[y] = with_alpha.data() + std::size_t{4} * width * y;
    } else {
      for (int y = 0; y < height; ++y) rows[y] = picture.Row(y);
    }
    ok = PngReadRows(png, info, rows.data());
    if (ok && header.channels == 4) {
      // Transparent parts show white, the colour a fresh picture is painted before a PNG is
      // drawn onto it.
      for (int y = 0; y < height; ++y) {
        const std::uint8_t* s = rows[y];
        std::uint8_t* d = picture.Row(y);
        for (int x = 0; x < width; ++x, s += 4, d += 3) {
          const int a = s[3];
          for (int c = 0; c < 3; ++c)
            d[c] = static_cast<std::uint8_t>((s[c] * a + 255 * (255 - a) + 127) / 255);
        }
      }
    }
  }
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) return Fail(error, std::string("PNG: ") + message);
  *out = std::move(picture);
  return true;
}

// ---------------------------------------------------------------------------------------
// JPEG reading. A premature end of the data is only a warning to the library (it pads
// the picture with grey); here it fails, as a cut file should.

struct JpegErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  bool truncated;
};

void JpegErrorExit(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  std::longjmp(manager->jump, 1);
}

void JpegEmitMessage(j_common_ptr cinfo, int level) {
  auto* manager = reinterpret_cast<JpegErrorManager*>(cinfo->err);
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) manager->truncated = true;
}

struct JpegInfo {
  JDIMENSION width;
  JDIMENSION height;
  bool cmyk;
  bool inverted_cmyk;
};

bool JpegReadHeader(jpeg_decompress_struct* cinfo, JpegErrorManager* manager, JpegInfo* out) {
  if (setjmp(manager->jump)) return false;
  jpeg_read_header(cinfo, TRUE);
  out->cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  out->inverted_cmyk = cinfo->saw_Adobe_marker;
  cinfo->out_color_space = out->cmyk ? JCS_CMYK : JCS_EXT_BGR;
  jpeg_calc_output_dimensions(cinfo);
  out->width = cinfo->output_width;
  out->height = cinfo->output_height;
  return !manager->truncated;
}

bool JpegReadRows(jpeg_decompress_struct* cinfo, JpegErrorManager* manager, std::uint8_t** rows,
                  int height) {
  if (setjmp(manager->jump)) return false;
  jpeg_start_decompress(cinfo);
  while (static_cast<int>(cinfo->output_scanline) < height && !manager->truncated) {
    jpeg_read_scanlines(cinfo, rows + cinfo->output_scanline, height - cinfo->output_scanline);
  }
  if (manager->truncated) return false;
  jpeg_finish_decompress(cinfo);
  return !manager->truncated;
}

// Adobe writes the ink values inverted.
void CmykRowToBgr(const JpegInfo& info, const std::uint8_t* s, std::uint8_t* d, int width) {
  for (int x = 0; x < width; ++x, s += 4, d += 3) {
    const int k = info.inverted_cmyk ? s[3] : 255 - s[3];
    for (int c = 0; c < 3; ++c) {
      const int ink = info.inverted_cmyk ? s[2 - c] : 255 - s[2 - c];
      d[c] = static_cast<std::uint8_t>(ink * k / 255);
    }
  }
}

void JpegFailure(jpeg_decompress_struct* cinfo, JpegErrorManager& manager, bool too_large,
                 std::string* error) {
  std::string message;
  if (too_large) {
    message = "picture is too large";
  } else if (manager.truncated) {
    message = "file is truncated";
  } else {
    char text[JMSG_LENGTH_MAX] = "";
    manager.base.format_message(reinterpret_cast<j_common_ptr>(cinfo), text);
    message = text;
  }
  Fail(error, "JPEG: " + message);
}

// A decompressor over the file's bytes with our error handling, destroyed with it.
struct JpegSource {
  jpeg_decompress_struct cinfo;
  JpegErrorManager manager;
  JpegInfo info{};
  bool too_large = false;

  JpegSource(const std::uint8_t* data, std::size_t size) {
    cinfo.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = JpegErrorExit;
    manager.base.emit_message = JpegEmitMessage;
    manager.truncated = false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  }
  ~JpegSource() { jpeg_destroy_decompress(&cinfo); }
  JpegSource(const JpegSource&) = delete;
  JpegSource& operator=(const JpegSource&) = delete;

  // False when the header is unreadable or the picture larger than allowed.
  bool ReadHeader() {
    const bool read = JpegReadHeader(&cinfo, &manager, &info);
    too_large = read && !PixelBuffer::PictureSizeAllowed(info.width, info.height);
    return read && !too_large;
  }
  void Failed(std::string* error) { JpegFailure(&cinfo, manager, too_large, error); }
};

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, PixelBuffer* out, std::string* error) {
  JpegSource source(data, size);
  jpeg_decompress_struct& cinfo = source.cinfo;
  JpegErrorManager& manager = source.manager;
  const JpegInfo& info = source.info;
  bool ok = source.ReadHeader();
  PixelBuffer picture;
  std::vector<std::uint8_t> cmyk;
  std::vector<std::uint8_t*> rows;
  if (ok) {
    const int width = static_cast<int>(info.width), height = static_cast<int>(info.height);
    picture.CreateUninitialised(width, height);
    rows.resize(height);
    if (info.cmyk) {
      cmyk.resize(static_cast<std::size_t>(width) * 4 * height);
      for (int y = 0; y < height; ++y) rows[y] = cmyk.data() + std::size_t{4} * width * y;
    } else {
      for (int y = 0; y < height; ++y) rows[y] = picture.Row(y);
    }
    ok = JpegReadRows(&cinfo, &manager, rows.data(), height);
    if (ok && info.cmyk) {
      for (int y = 0; y < height; ++y) CmykRowToBgr(info, rows[y], picture.Row(y), width);
    }
  }
  if (!ok) {
    source.Failed(error);
    return false;
  }
  *out = std::move(picture);
  return true;
}

bool JpegStart(jpeg_decompress_struct* cinfo, JpegErrorManager* manager) {
  if (setjmp(manager->jump)) return false;
  jpeg_start_decompress(cinfo);
  return !manager->truncated;
}

bool JpegReadRow(jpeg_decompress_struct* cinfo, JpegErrorManager* manager, std::uint8_t* row) {
  if (setjmp(manager->jump)) return false;
  while (jpeg_read_scanlines(cinfo, &row, 1) == 0 && !manager->truncated) {
  }
  return !manager->truncated;
}

bool JpegFinish(jpeg_decompress_struct* cinfo, JpegErrorManager* manager) {
  if (setjmp(manager->jump)) return false;
  jpeg_finish_decompress(cinfo);
  return !manager->truncated;
}

// Two rows in turn are all the scaling needs at a time: the decoder writes into the ring
// of two, and the scaling reads the last two rows decoded.
class JpegRowRing {
 public:
  JpegRowRing(jpeg_decompress_struct* cinfo, JpegErrorManager* manager, const JpegInfo& info)
      : cinfo_(cinfo), manager_(manager), info_(info), width_(static_cast<int>(info.width)) {
    const std::size_t bytes = std::size_t{info.cmyk ? 4u : 3u} * width_;
    raw_.resize(2 * bytes);
    if (info.cmyk) bgr_.resize(2 * std::size_t{3} * width_);
    rowBytes_ = bytes;
  }

  // Decodes up to row `y`; after a failure the rows stay as they were and Ok() is false.
  const std::uint8_t* Row(int y) {
    while (ok_ && decoded_ <= y) {
      std::uint8_t* raw = raw_.data() + (decoded_ % 2) * rowBytes_;
      ok_ = JpegReadRow(cinfo_, manager_, raw);
      if (ok_ && info_.cmyk)
        CmykRowToBgr(info_, raw, bgr_.data() + (decoded_ % 2) * std::size_t{3} * width_, width_);
      ++decoded_;
    }
    const std::size_t slot = static_cast<std::size_t>(y % 2);
    return info_.cmyk ? bgr_.data() + slot * 3 * width_ : raw_.data() + slot * rowBytes_;
  }
  bool Ok() const { return ok_; }

 private:
  jpeg_decompress_struct* cinfo_;
  JpegErrorManager* manager_;
  const JpegInfo& info_;
  int width_;
  std::size_t rowBytes_ = 0;
  std::vector<std::uint8_t> raw_, bgr_;
  int decoded_ = 0;
  bool ok_ = true;
};

bool DecodeJpegScaled(const std::uint8_t* data, std::size_t size, PixelBuffer& dst, int w, int h,
                      PictureSize* found, std::string* error) {
  JpegSource source(data, size);
  jpeg_decompress_struct& cinfo = source.cinfo;
  JpegErrorManager& manager = source.manager;
  const JpegInfo& info = source.info;
  bool ok = source.ReadHeader() && JpegStart(&cinfo, &manager);
  if (ok) {
    const int height = static_cast<int>(info.height);
    JpegRowRing ring(&cinfo, &manager, info);
    ResizeBilinearRows(
        static_cast<int>(info.width), height, [&ring](int y) { return ring.Row(y); }, dst, 0, 0, w,
        h);
    // The rows the scaling skipped are decoded too: a cut file fails wherever it ends.
    if (height > 0) ring.Row(height - 1);
    ok = ring.Ok() && JpegFinish(&cinfo, &manager);
    *found = {static_cast<int>(info.width), height};
  }
  if (!ok) source.Failed(error);
  return ok;
}

// ---------------------------------------------------------------------------------------
// GIF reading: the first image, drawn over the logical screen's background colour. The
// record-level calls are used so the image size is checked before any pixel memory is
// allocated.

int GifRead(GifFileType* gif, GifByteType* out, int count) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const std::size_t n = std::min<std::size_t>(count, reader->size - reader->position);
  std::memcpy(out, reader->data + reader->position, n);
  reader->position += n;
  return static_cast<int>(n);
}

std::string GifMessage(int code) {
  const char* text = GifErrorString(code);
  return std::string("GIF: ") + (text ? text : "invalid file");
}

bool DecodeGifFile(GifFileType* gif, PixelBuffer* picture, std::string* error) {
  int transparent = -1;
  for (;;) {
    GifRecordType record;
    if (DGifGetRecordType(gif, &record) == GIF_ERROR) return Fail(error, GifMessage(gif->Error));
    if (record == TERMINATE_RECORD_TYPE) return Fail(error, "GIF: the file holds no image");
    if (record == EXTENSION_RECORD_TYPE) {
      int code;
      GifByteType* block;
      if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) {
        return Fail(error, GifMessage(gif->Error));
      }
      if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
        GraphicsControlBlock gcb;
        if (DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK) {
          transparent = gcb.TransparentColor;
        }
      }
      while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) {
          return Fail(error, GifMessage(gif->Error));
        }
      }
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) continue;

    if (DGifGetImageDesc(gif) == GIF_ERROR) return Fail(error, GifMessage(gif->Error));
    const GifImageDesc& desc = gif->Image;
    const std::int64_t right = std::int64_t{desc.Left} + desc.Width;
    const std::int64_t bottom = std::int64_t{desc.Top} + desc.Height;
    const std::int64_t width = std::max<std::int64_t>(gif->SWidth, right);
    const std::int64_t height = std::max<std::int64_t>(gif->SHeight, bottom);
    if (desc.Width <= 0 || desc.Height <= 0 || !PixelBuffer::PictureSizeAllowed(width, height)) {
      return Fail(error, "GIF: image dimensions are out of range");
    }
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (map == nullptr) return Fail(error, "GIF: the image has no colour table");
    auto color_of = [map](int index) {
      if (index < 0 || index >= map->ColorCount) return kColorBlack;
      const GifColorType& c = map->Colors[index];
      return JoinColor(c.Red, c.Green, c.Blue);
    };

    picture->Create(static_cast<int>(width), static_cast<int>(height));
    if (gif->SColorMap != nullptr) {
      const int bg = gif->SBackGroundColor;
      if (bg >= 0 && bg < gif->SColorMap->ColorCount) {
        const GifColorType& c = gif->SColorMap->Colors[bg];
        FillPicture(*picture, JoinColor(c.Red, c.Green, c.Blue));
      }
    }

    std::vector<GifPixelType> line(desc.Width);
    auto put_line = [&](int y) {
      for (int x = 0; x < desc.Width; ++x) {
        if (line[x] == transparent) continue;
        picture->SetPixel(desc.Left + x, desc.Top + y, color_of(line[x]));
      }
    };
    if (desc.Interlace) {
      static constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
      for (int pass = 0; pass < 4; ++pass) {
        for (int y = kStart[pass]; y < desc.Height; y += kStep[pass]) {
          if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) {
            return Fail(error, GifMessage(gif->Error));
          }
          put_line(y);
        }
      }
    } else {
      for (int y = 0; y < desc.Height; ++y) {
        if (DGifGetLine(gif, line.data(), desc.Width) == GIF_ERROR) {
          return Fail(error, GifMessage(gif->Error));
        }
        put_line(y);
      }
    }
    return true;
  }
}

bool DecodeGif(const std::uint8_t* data, std::size_t size, PixelBuffer* out, std::string* error) {
  MemoryReader reader{data, size, 0};
  int code = 0;
  GifFileType* gif = DGifOpen(&reader, GifRead, &code);
  if (gif == nullptr) return Fail(error, GifMessage(code));
  PixelBuffer picture;
  const bool ok = DecodeGifFile(gif, &picture, error);
  DGifCloseFile(gif, &code);
  if (!ok) return false;
  *out = std::move(picture);
  return true;
}

// ---------------------------------------------------------------------------------------
// PNG writing

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void PngFlush(png_structp) {}

bool PngWriteAll(png_structp png, png_infop info, const PixelBuffer* picture, png_bytepp rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_IHDR(png, info, picture->width(), picture->height(), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_set_bgr(png);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

PictureKind ClassifyPicture(const std::uint8_t* data, std::size_t size) {
  if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return PictureKind::kJpeg;
  if (size >= 4 && std::memcmp(data, "GIF8", 4) == 0) return PictureKind::kGif;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return PictureKind::kBitmap;
  if (size >= 4 && data[0] == 0x89 && std::memcmp(data + 1, "PNG", 3) == 0) {
    return PictureKind::kPng;
  }
  return PictureKind::kUnknown;
}

Result DecodePicture(const std::uint8_t* data, std::size_t size, PixelBuffer* out) {
  std::string error;
  bool decoded = false;
  switch (ClassifyPicture(data, size)) {
    case PictureKind::kJpeg:
      decoded = DecodeJpeg(data, size, out, &error);
      break;
    case PictureKind::kGif:
      decoded = DecodeGif(data, size, out, &error);
      break;
    case PictureKind::kBitmap:
      decoded = DecodeBmp(data, size, out, &error);
      break;
    case PictureKind::kPng:
      decoded = DecodePng(data, size, out, &error);
      break;
    case PictureKind::kUnknown:
      return Result::Fail(PictureCode::kUnknownKind, Text::Verbatim("unknown picture format"));
  }
  if (!decoded) return Result::Fail(PictureCode::kBadData, error);
  return {};
}

Result DecodeScaled(const std::uint8_t* data, std::size_t size, PixelBuffer& dst, int w, int h,
                    PictureSize* size_out) {
  std::string error;
  PictureSize found;
  if (ClassifyPicture(data, size) == PictureKind::kJpeg) {
    if (!DecodeJpegScaled(data, size, dst, w, h, &found, &error))
      return Result::Fail(PictureCode::kBadData, error);
  } else {
    PixelBuffer picture;
    if (Result decoded = DecodePicture(data, size, &picture); !decoded) return decoded;
    ResizeBilinear(picture, dst, 0, 0, w, h);
    found = {picture.width(), picture.height()};
  }
  if (size_out) *size_out = found;
  return {};
}

Result OpenPicture(const std::string& path, PixelBuffer* out) {
  if (!FileExists(path))
    return Result::Fail(PictureCode::kMissing, Text::Verbatim("file not found"));
  std::vector<std::uint8_t> bytes;
  if (const Result read = ReadWholeFile(path, bytes, kMaxPictureFileBytes); !read)
    return Result::Fail(PictureCode::kCannotRead, read.Words());
  return DecodePicture(bytes.data(), bytes.size(), out);
}

Result EncodePng(const PixelBuffer& picture, std::vector<std::uint8_t>* out) {
  if (picture.IsEmpty())
    return Result::Fail(PictureCode::kEmpty, Text::Verbatim("the picture is empty"));
  char message[200] = "PNG encoding failed";
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, message, PngError, PngWarning);
  if (!png) return Result::Fail(PictureCode::kCannotWrite, Text::Verbatim("out of memory"));
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return Result::Fail(PictureCode::kCannotWrite, Text::Verbatim("out of memory"));
  }
  std::vector<std::uint8_t> bytes;
  png_set_write_fn(png, &bytes, PngWrite, PngFlush);
  std::vector<png_bytep> rows(picture.height());
  for (int y = 0; y < picture.height(); ++y) {
    rows[y] = const_cast<png_bytep>(picture.Row(y));  // libpng only reads them
  }
  const bool ok = PngWriteAll(png, info, &picture, rows.data());
  png_destroy_write_struct(&png, &info);
  if (!ok) return Result::Fail(PictureCode::kCannotWrite, Text::Verbatim(message));
  *out = std::move(bytes);
  return {};
}

Result SavePng(const PixelBuffer& picture, const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (Result encoded = EncodePng(picture, &bytes); !encoded) return encoded;
  if (const Result written = WriteFileAtomically(path, bytes.data(), bytes.size()); !written)
    return Result::Fail(PictureCode::kCannotWrite, written.Words());
  return {};
}

}  // namespace tv
