#include "storage/ticketset.h"

#include "storage/regularfile.h"

#include "engine/selection.h"
#include "storage/littleendian.h"

#include <fstream>
#include <system_error>

namespace {

constexpr std::size_t numbersOffset = 8;

}  // namespace

std::array<std::uint8_t, ticketSetRecordSize> encodeTicketSet(const TTicketSetRecord &record)
{
    std::array<std::uint8_t, ticketSetRecordSize> bytes{};
    for (std::size_t i = 0; i < record.header.size(); ++i)
        bytes[i] = record.header[i];
    putInt32(&bytes[4], record.methodIndex);
    for (std::size_t i = 0; i < record.numbers.size(); ++i)
        putInt32(&bytes[numbersOffset + 4 * i], record.numbers[i]);
    return bytes;
}

TTicketSetRecord decodeTicketSet(std::span<const std::uint8_t, ticketSetRecordSize> bytes)
{
    TTicketSetRecord record;
    for (std::size_t i = 0; i < record.header.size(); ++i)
        record.header[i] = bytes[i];
    record.methodIndex = getInt32(&bytes[4]);
    for (std::size_t i = 0; i < record.numbers.size(); ++i)
        record.numbers[i] = getInt32(&bytes[numbersOffset + 4 * i]);
    return record;
}

bool hasTicketSetHeader(const TTicketSetRecord &record)
{
    return record.header == TTicketSetRecord{}.header;
}

TicketSetLoad loadTicketSet(const std::filesystem::path &path)
{
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored))
        return {TicketSetStatus::Missing, {}};
    std::array<std::uint8_t, ticketSetRecordSize> bytes{};
    if (readRegularFile(path.string(), bytes) != ticketSetRecordSize)
        return {TicketSetStatus::Unreadable, {}};
    const TTicketSetRecord record = decodeTicketSet(bytes);
    if (!hasTicketSetHeader(record))
        return {TicketSetStatus::WrongHeader, {}};
    return {TicketSetStatus::Ok, record};
}

FileWriteResult saveTicketSet(const std::filesystem::path &path, const TTicketSetRecord &record)
{
    return writeFileAtomically(path, encodeTicketSet(record));
}

TTicketSetRecord ticketSetFromSelection(const Selection &selection, std::int32_t methodIndex)
{
    TTicketSetRecord record;
    record.methodIndex = methodIndex;
    for (std::size_t slot = 1; slot <= record.numbers.size(); ++slot)
        record.numbers[slot - 1] = selection.tabnumsel[slot];
    return record;
}

void applyTicketSetNumbers(const TTicketSetRecord &record, Selection &selection)
{
    pdecochetout(selection);
    for (std::size_t slot = 1; slot <= record.numbers.size(); ++slot) {
        const auto low = static_cast<std::uint16_t>(record.numbers[slot - 1]);
        selection.tabnumsel[slot] = static_cast<std::int16_t>(low);
    }
    for (std::size_t slot = 1; slot <= record.numbers.size(); ++slot) {
        const int n = selection.tabnumsel[slot];
        if (n >= 1 && n <= 99)
            selection.tabcoche[static_cast<std::size_t>(n)] = 1;
    }
}
