#include "base/Scrambler.h"
#include "base/SettingsStore.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Trapping rather than asserting keeps the checks in every build type and hands libFuzzer a
// crash, so it saves the input that broke them.
void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The largest UTF-8 byte that still fits in a byte once shifted.
constexpr unsigned char largestKeptByte = 255 - Scrambler::offset;

bool survivesScrambling(const QByteArray &utf8)
{
    return std::all_of(utf8.begin(), utf8.end(), [](char byte) {
        return static_cast<unsigned char>(byte) <= largestKeptByte;
    });
}

void checkScramble(const QString &text)
{
    const QString scrambled = Scrambler::scramble(text);
    const QByteArray bytes = Scrambler::toBytes(scrambled);
    // One byte per character: nothing above 255 that the file writer would drop.
    require(bytes.size() == scrambled.size());
    require(Scrambler::fromBytes(bytes) == scrambled);
    // Saved readings end their lines with CR LF, so a scrambled field must hold neither.
    require(!bytes.contains('\r') && !bytes.contains('\n'));
    const QByteArray utf8 = text.toUtf8();
    require(bytes.size() <= utf8.size());
    if (survivesScrambling(utf8)) {
        require(bytes.size() == utf8.size());
        require(Scrambler::unscramble(scrambled) == text);
    }
}

// Any text may come out of a damaged file or settings store; unscrambling it must not fail, and
// each byte yields at most one UTF-16 unit, as UTF-8 or as the older single-byte text.
void checkUnscramble(const QString &scrambled)
{
    const QString plain = Scrambler::unscramble(scrambled);
    require(plain.size() <= Scrambler::toBytes(scrambled).size());
}

// Copied rather than cast: the fuzzer's data need not be aligned for char16_t.
QString utf16Text(const QByteArray &bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), bytes.constData(), size_t(text.size()) * sizeof(char16_t));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString utf8Text = QString::fromUtf8(bytes);
    const QString byteText = Scrambler::fromBytes(bytes);
    require(byteText.size() == bytes.size());

    checkScramble(utf8Text);
    checkScramble(byteText);
    checkUnscramble(utf8Text);
    checkUnscramble(byteText);
    // Unscrambling text that no scrambler wrote: UTF-16 units of any value, lone surrogates too.
    checkUnscramble(utf16Text(bytes));
    return 0;
}
