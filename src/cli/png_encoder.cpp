#include "cli/png_encoder.h"

#include <zlib.h>

#include <algorithm>
#include <functional>
#include <thread>

namespace {

// Rows of a band: fewer are not worth a thread of their own.
constexpr int MinBandRows = 64;
constexpr int MaxBands = 8;

void AppendU32(std::vector<uint8_t>& out, uint32_t value) {
  out.insert(out.end(), {static_cast<uint8_t>(value >> 24), static_cast<uint8_t>(value >> 16),
                         static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)});
}

void AppendChunk(std::vector<uint8_t>& out, const char (&type)[5], const uint8_t* data,
                 size_t size) {
  AppendU32(out, static_cast<uint32_t>(size));
  const size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  if (size != 0) out.insert(out.end(), data, data + size);
  const uLong crc = crc32_z(crc32(0, nullptr, 0), out.data() + typeAt, 4 + size);
  AppendU32(out, static_cast<uint32_t>(crc));
}

// One band of rows: the PNG scanlines (filter byte 0, then R, G, B of each
// pixel) deflated without a zlib wrapper. A band that is not the last ends on
// a byte boundary with its blocks open, so that the next band's blocks follow.
struct Band {
  std::vector<uint8_t> Deflated;
  uLong Adler = adler32(0, nullptr, 0);
  size_t RawSize = 0;
  bool Ok = false;  // zlib compressed the whole band
};

void CompressBand(const uint32_t* pixels, int width, size_t stride, int firstRow, int rowCount,
                  int level, bool last, Band& band) {
  const size_t rowBytes = 1 + size_t{3} * static_cast<size_t>(width);
  std::vector<uint8_t> raw(rowBytes * static_cast<size_t>(rowCount));
  for (int r = 0; r < rowCount; ++r) {
    uint8_t* out = raw.data() + rowBytes * static_cast<size_t>(r);
    const uint32_t* row = pixels + stride * static_cast<size_t>(firstRow + r);
    *out++ = 0;
    for (int x = 0; x < width; ++x) {
      const uint32_t pixel = row[x];
      out[0] = static_cast<uint8_t>(pixel >> 16);
      out[1] = static_cast<uint8_t>(pixel >> 8);
      out[2] = static_cast<uint8_t>(pixel);
      out += 3;
    }
  }
  band.RawSize = raw.size();
  band.Adler = adler32_z(band.Adler, raw.data(), raw.size());

  z_stream stream{};
  if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) return;
  band.Deflated.resize(deflateBound(&stream, raw.size()) + 16);
  stream.next_in = raw.data();
  stream.avail_in = static_cast<uInt>(raw.size());
  stream.next_out = band.Deflated.data();
  stream.avail_out = static_cast<uInt>(band.Deflated.size());
  const int result = deflate(&stream, last ? Z_FINISH : Z_FULL_FLUSH);
  band.Ok = result == (last ? Z_STREAM_END : Z_OK) && stream.avail_in == 0;
  band.Deflated.resize(stream.total_out);
  deflateEnd(&stream);
}

}  // namespace

std::vector<uint8_t> EncodeRgbPng(const uint32_t* pixels, int width, int height, size_t stride,
                                  PngCompression compression) {
  const int level = compression == PngCompression::Fast ? 1 : 9;
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int bandCount = std::clamp(std::min(cores, height / MinBandRows), 1, MaxBands);
  std::vector<Band> bands(static_cast<size_t>(bandCount));
  std::vector<std::thread> workers;
  for (int b = 0; b < bandCount; ++b) {
    const int first = height * b / bandCount;
    const int rows = height * (b + 1) / bandCount - first;
    const bool last = b == bandCount - 1;
    Band& band = bands[static_cast<size_t>(b)];
    if (last) {
      CompressBand(pixels, width, stride, first, rows, level, last, band);
    } else {
      workers.emplace_back(CompressBand, pixels, width, stride, first, rows, level, last,
                           std::ref(band));
    }
  }
  for (std::thread& worker : workers) worker.join();
  for (const Band& band : bands)
    if (!band.Ok) return {};

  // The zlib stream: header, the bands' blocks, the checksum of all rows.
  std::vector<uint8_t> stream = {0x78, static_cast<uint8_t>(level == 1 ? 0x01 : 0xDA)};
  uLong adler = adler32(0, nullptr, 0);
  for (const Band& band : bands) {
    stream.insert(stream.end(), band.Deflated.begin(), band.Deflated.end());
    adler = adler32_combine(adler, band.Adler, static_cast<z_off_t>(band.RawSize));
  }
  AppendU32(stream, static_cast<uint32_t>(adler));

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  AppendU32(header, static_cast<uint32_t>(width));
  AppendU32(header, static_cast<uint32_t>(height));
  // 8 bits a sample, colour type 2 (RGB), deflate, adaptive filtering, no interlace.
  header.insert(header.end(), {8, 2, 0, 0, 0});
  AppendChunk(png, "IHDR", header.data(), header.size());
  AppendChunk(png, "IDAT", stream.data(), stream.size());
  AppendChunk(png, "IEND", nullptr, 0);
  return png;
}
