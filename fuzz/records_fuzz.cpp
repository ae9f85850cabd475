// The records table of the word hunts: any bytes as a records file, read,
// written back and merged with a new result taken from the input's first
// bytes. The input is the file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/records_file.h"
#include "fuzz_check.h"

using namespace glosbo::core;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RecordsContents contents = parseRecordsFile(bytes);
    constexpr std::size_t entrySize = RecordEntry::kSize;
    FUZZ_CHECK(contents.entries.size() == size / entrySize);
    bool longName = false;
    for (std::size_t i = 0; i < size / entrySize; ++i)
        longName = longName || std::uint8_t(bytes[i * entrySize]) > RecordEntry::kNameField;
    FUZZ_CHECK(contents.damaged ==
               (size % entrySize != 0 || size / entrySize > std::size_t(kRecordRanks) || longName));

    // Written back and read again, the entries stay the same; only the name
    // bytes past each length may change.
    const std::string written = recordsBytes(contents.entries);
    FUZZ_CHECK(written.size() == contents.entries.size() * entrySize);
    const RecordsContents again = parseRecordsFile(written);
    FUZZ_CHECK(again.entries == contents.entries);
    if (!longName && size % entrySize == 0) {
        for (std::size_t i = 0; i < contents.entries.size(); ++i) {
            const std::size_t at = i * entrySize;
            const std::size_t length = std::uint8_t(bytes[at]);
            FUZZ_CHECK(written.compare(at, 1 + length, bytes.substr(at, 1 + length)) == 0);
            FUZZ_CHECK(written.compare(at + 22, 14, bytes.substr(at + 22, 14)) == 0);
        }
    }

    // A new result merged in: placed above the first entry it beats, the
    // stored order kept, never more than 100.
    RecordEntry pending;
    pending.name = "Ny";
    std::uint32_t bits = 0;
    for (std::size_t i = std::min<std::size_t>(size, 4); i-- > 0;)
        bits = bits << 8 | data[i];
    pending.result = std::int32_t(bits);
    const std::vector<RecordEntry>& stored = contents.entries;
    const RecordsMerge merge = mergeRecords(stored, pending);
    FUZZ_CHECK(merge.entries.size() <= std::size_t(kRecordRanks));
    if (merge.rank) {
        const std::size_t r = std::size_t(*merge.rank);
        FUZZ_CHECK(r >= 1 && r <= merge.entries.size());
        FUZZ_CHECK(merge.entries[r - 1] == pending);
        for (std::size_t i = 0; i + 1 < r; ++i) {
            FUZZ_CHECK(merge.entries[i] == stored[i]);
            FUZZ_CHECK(stored[i].result >= pending.result);
        }
        for (std::size_t i = r; i < merge.entries.size(); ++i)
            FUZZ_CHECK(merge.entries[i] == stored[i - 1]);
        if (r - 1 < stored.size()) FUZZ_CHECK(stored[r - 1].result < pending.result);
        FUZZ_CHECK(merge.entries.size() == std::min(stored.size() + 1, std::size_t(kRecordRanks)));
    } else {
        FUZZ_CHECK(stored.size() >= std::size_t(kRecordRanks));
        for (std::size_t i = 0; i < std::size_t(kRecordRanks); ++i) {
            FUZZ_CHECK(merge.entries[i] == stored[i]);
            FUZZ_CHECK(stored[i].result >= pending.result);
        }
    }

    // The cell texts of every entry.
    for (const RecordEntry& e : merge.entries) {
        FUZZ_CHECK(recordNameText(e.name).size() <= 24);
        const std::string result = recordResultText(e.result);
        FUZZ_CHECK(result.empty() == (e.result < 1 || e.result > 30000));
        if (!result.empty()) {
            const std::string digits = std::to_string(e.result);
            FUZZ_CHECK(result.size() >= digits.size() + 3 && result.size() <= 10);
            FUZZ_CHECK(result.compare(result.size() - digits.size(), digits.size(), digits) == 0);
        }
        recordDateText(e);
    }
    return 0;
}
