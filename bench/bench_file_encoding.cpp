// Throughput of loading and saving files in other encodings, and of the
// batch conversion, on a generated GBK document, beside glibc's iconv doing
// the same conversion in the same run.
//
//   bench_file_encoding [megabytes]     (default 100)
#include <cstdio>
#include <cstdlib>
#include <string>

#if __has_include(<iconv.h>)
#include <iconv.h>
#define SCRIBBET_BENCH_ICONV 1
#else
#define SCRIBBET_BENCH_ICONV 0
#endif

#include "batch/encoding_convert.h"
#include "bench_text.h"
#include "core/file_encoding.h"

namespace {

using scribbet::bench::BestSeconds;

std::string Iconv(const std::string& in, const char* from, const char* to) {
#if SCRIBBET_BENCH_ICONV
    iconv_t cd = iconv_open(to, from);
    std::string out(in.size() * 2 + 16, '\0');
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    out.resize(static_cast<std::size_t>(outPtr - out.data()));
    return out;
#else
    (void)from, (void)to;
    return in;
#endif
}

void Row(const char* tool, double mb, double ours, double reference, const char* name) {
    std::printf("%-28s %8.1f MB/s   %-22s %8.1f MB/s   %5.2f\n", tool, mb / ours, name,
                mb / reference, reference / ours);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace scribbet;
    const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100;
    const std::string gbk = bench::MakeGbkText(megabytes * 1000 * 1000);
    const std::string utf8 = Iconv(gbk, "GB18030", "UTF-8");
    const std::string utf16 = "\xFF\xFE" + Iconv(gbk, "GB18030", "UTF-16LE");
    const double mb = static_cast<double>(gbk.size()) / 1e6;
    std::printf("%.0f MB GBK text (%.0f MB as UTF-8); ratio = reference time / ours\n", mb,
                utf8.size() / 1e6);

    std::size_t sink = 0;
    Row("DecodeFile UTF-8", mb, BestSeconds([&] { sink += DecodeFile(utf8).text.size(); }),
        BestSeconds([&] { sink += Iconv(utf8, "UTF-8", "GB18030").size(); }),
        "iconv UTF-8->GB18030");
    Row("DecodeFile UTF-16LE", mb, BestSeconds([&] { sink += DecodeFile(utf16).text.size(); }),
        BestSeconds([&] { sink += Iconv(utf16, "UTF-16", "GB18030").size(); }),
        "iconv UTF-16->GB18030");
    Row("DecodeFile GBK (raw)", mb, BestSeconds([&] { sink += DecodeFile(gbk).text.size(); }),
        BestSeconds([&] { sink += std::string(gbk).size(); }), "copy");
    Row("EncodeFile UTF-8", mb,
        BestSeconds([&] { sink += EncodeFile(gbk, FileEncoding::Utf8).size(); }),
        BestSeconds([&] { sink += Iconv(gbk, "GB18030", "UTF-8").size(); }),
        "iconv GB18030->UTF-8");
    Row("ConvertEncoding GBK->UTF-8", mb,
        BestSeconds([&] { sink += ConvertEncoding(gbk, EncodingTarget::Utf8).bytes.size(); }),
        BestSeconds([&] { sink += Iconv(gbk, "GB18030", "UTF-8").size(); }),
        "iconv GB18030->UTF-8");
    Row("CountBeyondGbk", mb, BestSeconds([&] { sink += CountBeyondGbk(gbk); }),
        BestSeconds([&] { sink += std::string(gbk).size(); }), "copy");
    Row("DetectLineEnds", mb,
        BestSeconds([&] { sink += static_cast<std::size_t>(DetectLineEnds(gbk)); }),
        BestSeconds([&] { sink += std::string(gbk).size(); }), "copy");
    std::printf("(%zu)\n", sink % 10);
}
