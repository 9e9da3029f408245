#include "components/sjistextdecoder.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

const QByteArrayView kCrLf("\r\n", 2);

// Pieces in which a whole text is decoded, small enough to stay in the cache.
constexpr qsizetype kPiece = qsizetype(1) << 20;

#if defined(__SSE2__)
// Bit i set where byte i of the sixteen at `p` is `c`.
unsigned maskOf(__m128i bytes, char c) { return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)))); }
#endif

// Calls found(position) for every CR and LF of p[0, n), in order. Lines are
// short, so sixteen bytes are looked at in one step rather than each line
// end searched for on its own.
template <typename Found>
void forEachLineEndByte(const char* p, qsizetype n, Found found) {
    qsizetype i = 0;
#if defined(__SSE2__)
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        for (unsigned hits = maskOf(bytes, '\r') | maskOf(bytes, '\n'); hits != 0; hits &= hits - 1) {
            found(i + std::countr_zero(hits));
        }
    }
#endif
    for (; i < n; ++i) {
        if (p[i] == '\r' || p[i] == '\n') found(i);
    }
}

bool isCrOfCrLf(const char* p, qsizetype n, qsizetype at) { return p[at] == '\r' && at + 1 < n && p[at + 1] == '\n'; }
bool isLfOfCrLf(const char* p, qsizetype at) { return p[at] == '\n' && at > 0 && p[at - 1] == '\r'; }

}  // namespace

// ---- decoding ----------------------------------------------------------------------

void SjisTextDecoder::endLine(qsizetype length, std::vector<qsizetype>& lines) {
    lines.push_back(lineSoFar_ + length);
    lineSoFar_ = 0;
}

void SjisTextDecoder::add(QByteArrayView sjis, QByteArray& utf8, std::vector<qsizetype>& lines) {
    if (sjis.isEmpty()) return;
    const char* const p = sjis.data();
    const qsizetype n = sjis.size();
    const qsizetype before = utf8.size();
    // A held CR and each lone line end add a byte at most.
    utf8.resize(before + cp932::Utf8Decoder::room(2 * n + 2));
    char* out = utf8.data() + before;
    qsizetype from = 0;  // first byte not yet decoded
    if (heldCr_) {
        heldCr_ = false;
        out = decode(kCrLf, out);
        if (p[0] == '\n') from = 1;
        endLine(2, lines);
    }
    qsizetype lineStart = from;
    forEachLineEndByte(p + lineStart, n - lineStart, [&, scanStart = lineStart](qsizetype found) {
        const qsizetype at = scanStart + found;
        if (isCrOfCrLf(p, n, at)) return;
        if (isLfOfCrLf(p, at)) {
            endLine(at + 1 - lineStart, lines);  // CR LF stays in the bytes decoded in one go
            lineStart = at + 1;
            return;
        }
        out = decode(QByteArrayView(p + from, at - from), out);
        from = at + 1;
        if (p[at] == '\r' && at + 1 == n) {
            heldCr_ = true;  // whether an LF follows shows in the next piece
            lineSoFar_ += at - lineStart;
        } else {
            out = decode(kCrLf, out);
            endLine(at + 2 - lineStart, lines);
        }
        lineStart = at + 1;
    });
    out = decode(QByteArrayView(p + from, n - from), out);
    if (!heldCr_) lineSoFar_ += n - lineStart;
    utf8.truncate(out - utf8.constData());
}

void SjisTextDecoder::finish(QByteArray& utf8, std::vector<qsizetype>& lines) {
    const qsizetype before = utf8.size();
    utf8.resize(before + cp932::Utf8Decoder::room(2));
    char* out = utf8.data() + before;
    if (heldCr_) {
        heldCr_ = false;
        out = decode(kCrLf, out);
        endLine(2, lines);
    }
    out = codec_.finish(out);
    endLine(0, lines);
    utf8.truncate(out - utf8.constData());
}

QByteArray SjisTextDecoder::toUtf8(QByteArrayView sjis) {
    SjisTextMeasure measure;
    measure.add(sjis);
    QByteArray utf8;
    utf8.reserve(measure.utf8Size() + cp932::Utf8Decoder::room(2 * std::min(kPiece, sjis.size()) + 2));
    std::vector<qsizetype> lines;
    SjisTextDecoder decoder;
    for (qsizetype at = 0; at < sjis.size(); at += kPiece) {
        decoder.add(sjis.sliced(at, std::min(kPiece, sjis.size() - at)), utf8, lines);
        lines.clear();
    }
    decoder.finish(utf8, lines);
    return utf8;
}

// ---- measuring ---------------------------------------------------------------------

void SjisTextMeasure::add(QByteArrayView sjis) {
    codec_.add(sjis);
    const char* const p = sjis.data();
    const qsizetype n = sjis.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Most texts have no lone line end: a block of sixteen bytes is passed
    // over with a few comparisons, and only one that has one is counted.
    for (; i + 16 <= n; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const unsigned cr = maskOf(bytes, '\r');
        const unsigned lf = maskOf(bytes, '\n');
        const unsigned loneLf = lf & ~((cr << 1) | (heldCr_ ? 1u : 0u));
        const unsigned loneCr = cr & ~(lf >> 1) & 0x7FFFu;  // the last byte's CR waits for the next byte
        if (heldCr_ && !(lf & 1u)) ++loneLineEnds_;
        if ((loneLf | loneCr) != 0) loneLineEnds_ += std::popcount(loneLf | loneCr);
        heldCr_ = (cr >> 15) & 1u;
    }
#endif
    for (; i < n; ++i) {
        if (heldCr_ && p[i] != '\n') ++loneLineEnds_;
        if (p[i] == '\n' && !heldCr_) ++loneLineEnds_;
        heldCr_ = p[i] == '\r';
    }
}

qsizetype SjisTextMeasure::utf8Size() {
    // A lone CR or LF becomes CR LF, a byte longer.
    if (heldCr_) ++loneLineEnds_;
    heldCr_ = false;
    return codec_.finish() + loneLineEnds_;
}
