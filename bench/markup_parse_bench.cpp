// How fast the hypertext document takes a new text (copy, scan, tags and their attributes, and
// freeing the previous tags) on generated markup of 1 MiB and 16 MiB. The parser is one linear
// pass, so the cost per byte should not grow with the size.
#include "hypertext/hypertext.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Mostly tags and entities, with a word or two between them.
constexpr std::string_view TagDense =
    "<B>bold</B> <FONT FACE=\"Arial\" SIZE=+2 COLOR=#FF0000>big</FONT>&amp;"
    "<A HREF=\"http://example.invalid/\">link</A><IMG SRC=pic.bmp WIDTH=16 HEIGHT=16>"
    "&eacute;&#169;<BR>\r\n";

// Prose with a tag or entity every few hundred bytes.
constexpr std::string_view TextHeavy =
    "The readout follows the pointer while the program is otherwise idle and shows the colour "
    "of the pixel under it, with its name when the colour is one of the named ones, its hex "
    "code and its red, green and blue parts. Press <B>F5</B> to freeze the readout and F6 to "
    "copy the hex code; the about box draws this kind of text &copy; with its own engine.\r\n";

std::string RepeatToSize(std::string_view unit, std::size_t size) {
    std::string markup;
    markup.reserve(size);
    while (markup.size() < size)
        markup.append(unit.substr(0, size - markup.size()));
    return markup;
}

void ParseMarkup(benchmark::State& state, std::string_view unit) {
    const std::string markup = RepeatToSize(unit, static_cast<std::size_t>(state.range(0)));
    HyperText document;
    for (auto _ : state) {
        document.SetText(markup);
        benchmark::DoNotOptimize(document.Tags);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(markup.size()));
}

BENCHMARK_CAPTURE(ParseMarkup, tag_dense, TagDense)
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseMarkup, text_heavy, TextHeavy)
    ->Arg(1 << 20)
    ->Arg(16 << 20)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
