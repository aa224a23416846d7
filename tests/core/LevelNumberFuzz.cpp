// libFuzzer target: whatever is typed as a level number, the readings stay
// consistent with each other and with the verdict, and nothing faults.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/LevelNumber.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kmq;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const NumberReading reading = readNumber(text);
    const LevelEntryCheck check = checkLevelEntry(text);

    switch (check.verdict) {
        case LevelEntry::Valid:
            Require(reading.wholeNumeric);
            Require(check.level >= 1 && check.level <= 30);
            Require(reading.leadingFloor == check.level);
            break;
        case LevelEntry::OutOfRange:
            Require(reading.wholeNumeric);
            Require(reading.leadingFloor < 1 || reading.leadingFloor > 30);
            break;
        case LevelEntry::NotANumber:
            Require(!reading.wholeNumeric);
            break;
    }

    // Surrounding blanks never change the verdict; a trailing letter always
    // makes the text no number.
    const LevelEntryCheck padded = checkLevelEntry(" " + text + "\t");
    Require(padded.verdict == check.verdict && padded.level == check.level);
    Require(checkLevelEntry(text + "x").verdict == LevelEntry::NotANumber);
    Require(readNumber(" " + text).leadingFloor == reading.leadingFloor);
    return 0;
}
