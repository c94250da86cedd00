// Search, editing, line reading and code-page conversion over large texts.
#include <unicode/ucnv.h>

#include <string>

#include "figures.h"
#include "text/codepage.h"
#include "text/line_reader.h"
#include "text/search.h"

namespace velmora {
namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// Mixed text: ASCII words and GBK characters, in lines ended by CR LF.
std::string mixed_text(std::size_t bytes) {
  static const std::string piece =
      "Set-Cookie: id=\xD6\xD0\xCE\xC4 \xA1\xA1path=/ \xC7\xE9\xC8\xCB\xBD\xDA Value\r\n";
  std::string s;
  s.reserve(bytes + piece.size());
  while (s.size() < bytes) s += piece;
  s.resize(bytes);
  return s;
}

// Chinese text only (GBK), and its UTF-8 form.
std::string chinese_text(std::size_t bytes) {
  static const std::string piece = "\xC7\xE9\xC8\xCB\xBD\xDA\xBF\xEC\xC0\xD6\xD6\xD0\xCE\xC4";
  std::string s;
  while (s.size() < bytes) s += piece;
  s.resize(bytes - bytes % 2);
  return s;
}

const std::string kNeedle = "needle-\xD6\xD0-at-the-end";

Text haystack(std::size_t bytes) {
  std::string s = mixed_text(bytes);
  s.replace(s.size() - 4096, kNeedle.size(), kNeedle);
  return Text(std::move(s));
}

void BM_FindText(benchmark::State& state) {
  const Text t = haystack(16 * kMiB);
  const Text needle(kNeedle);
  for (auto _ : state) benchmark::DoNotOptimize(find_text(t, needle));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(t.size()));
}
BENCHMARK(BM_FindText)->Unit(benchmark::kMillisecond);

void BM_StringViewFind(benchmark::State& state) {
  const Text t = haystack(16 * kMiB);
  for (auto _ : state) benchmark::DoNotOptimize(t.view().find(kNeedle));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(t.size()));
}
BENCHMARK(BM_StringViewFind)->Unit(benchmark::kMillisecond);

void BM_FindTextIgnoringCase(benchmark::State& state) {
  const Text t = haystack(16 * kMiB);
  const Text needle("NEEDLE-\xD6\xD0-AT-THE-END");
  for (auto _ : state) benchmark::DoNotOptimize(find_text(t, needle, 1, true));
}
BENCHMARK(BM_FindTextIgnoringCase)->Unit(benchmark::kMillisecond);

void BM_ReplaceSubtext(benchmark::State& state) {
  const Text t(mixed_text(static_cast<std::size_t>(state.range(0)) * kMiB));
  for (auto _ : state)
    benchmark::DoNotOptimize(replace_subtext(t, "id=", Text("ID=="), 1, -1, true));
}
BENCHMARK(BM_ReplaceSubtext)->Arg(16)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

void BM_TrimBoth(benchmark::State& state) {
  const std::string blanks(1024, ' ');
  const Text t(blanks + mixed_text(static_cast<std::size_t>(state.range(0)) * kMiB) + blanks);
  for (auto _ : state) benchmark::DoNotOptimize(trim_both(t));
}
BENCHMARK(BM_TrimBoth)->Arg(16)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

void BM_ToLower(benchmark::State& state) {
  const Text t(mixed_text(static_cast<std::size_t>(state.range(0)) * kMiB));
  for (auto _ : state) benchmark::DoNotOptimize(to_lower(t));
}
BENCHMARK(BM_ToLower)->Arg(16)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

void BM_ReadLineLoop(benchmark::State& state) {
  const std::string bytes = mixed_text(static_cast<std::size_t>(state.range(0)) * kMiB);
  for (auto _ : state) {
    TextStream stream(bytes);
    std::size_t lines = 0;
    while (!stream.at_end()) {
      benchmark::DoNotOptimize(read_line(stream));
      ++lines;
    }
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_ReadLineLoop)->Arg(16)->Arg(32)->Arg(64)->Unit(benchmark::kMillisecond);

std::string direct_icu(const char* to, const char* from, const std::string& in) {
  std::string out(in.size() * 2 + 16, '\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t n = ucnv_convert(to, from, out.data(), static_cast<int32_t>(out.size()), in.data(),
                                 static_cast<int32_t>(in.size()), &error);
  out.resize(static_cast<std::size_t>(n));
  return out;
}

void BM_ToUtf8(benchmark::State& state) {
  const Text t(chinese_text(16 * kMiB));
  for (auto _ : state) benchmark::DoNotOptimize(to_utf8(t));
}
BENCHMARK(BM_ToUtf8)->Unit(benchmark::kMillisecond);

void BM_DirectIcuGbkToUtf8(benchmark::State& state) {
  const std::string t = chinese_text(16 * kMiB);
  for (auto _ : state) benchmark::DoNotOptimize(direct_icu("UTF-8", "windows-936-2000", t));
}
BENCHMARK(BM_DirectIcuGbkToUtf8)->Unit(benchmark::kMillisecond);

void BM_Utf8ToSystem(benchmark::State& state) {
  const Text t = to_utf8(Text(chinese_text(16 * kMiB)));
  for (auto _ : state) benchmark::DoNotOptimize(utf8_to_system(t));
}
BENCHMARK(BM_Utf8ToSystem)->Unit(benchmark::kMillisecond);

void BM_DirectIcuUtf8ToGbk(benchmark::State& state) {
  const std::string t = to_utf8(Text(chinese_text(16 * kMiB))).str();
  for (auto _ : state) benchmark::DoNotOptimize(direct_icu("windows-936-2000", "UTF-8", t));
}
BENCHMARK(BM_DirectIcuUtf8ToGbk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  return velmora::bench::run_benchmarks(argc, argv, [](const velmora::bench::FigureReporter& r) {
    r.ratio("find_text / string_view::find, 16 MiB", "BM_FindText", "BM_StringViewFind", "<= 3");
    r.ratio("replace_subtext 32 MiB / 16 MiB", "BM_ReplaceSubtext/32", "BM_ReplaceSubtext/16",
            "<= 2.5");
    r.ratio("replace_subtext 64 MiB / 32 MiB (both beyond the cache)", "BM_ReplaceSubtext/64",
            "BM_ReplaceSubtext/32", "<= 2.5");
    r.ratio("trim_both 32 MiB / 16 MiB", "BM_TrimBoth/32", "BM_TrimBoth/16", "<= 2.5");
    r.ratio("trim_both 64 MiB / 32 MiB (both beyond the cache)", "BM_TrimBoth/64", "BM_TrimBoth/32",
            "<= 2.5");
    r.ratio("to_lower 32 MiB / 16 MiB", "BM_ToLower/32", "BM_ToLower/16", "<= 2.5");
    r.ratio("to_lower 64 MiB / 32 MiB (both beyond the cache)", "BM_ToLower/64", "BM_ToLower/32",
            "<= 2.5");
    r.ratio("read_line loop 32 MiB / 16 MiB", "BM_ReadLineLoop/32", "BM_ReadLineLoop/16", "<= 2.5");
    r.ratio("read_line loop 64 MiB / 32 MiB (both beyond the cache)", "BM_ReadLineLoop/64",
            "BM_ReadLineLoop/32", "<= 2.5");
    r.ratio("to_utf8 / direct ICU conversion, 16 MiB", "BM_ToUtf8", "BM_DirectIcuGbkToUtf8",
            "<= 1.5");
    r.ratio("utf8_to_system / direct ICU conversion, 16 MiB", "BM_Utf8ToSystem",
            "BM_DirectIcuUtf8ToGbk", "<= 1.5");
  });
}
