#pragma once

#include "storage/safefile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>

struct Selection;

constexpr std::size_t ticketSetRecordSize = 208;
constexpr int ticketSetSlots = 50;

// One saved selection, the whole content of a ticket-set file: 208 bytes little-endian.
struct TTicketSetRecord {
    // Length-prefixed text "GRI": the byte 3, then the three characters.
    std::array<std::uint8_t, 4> header{3, 'G', 'R', 'I'};
    // Position of the selected entry of the method list as displayed; -1 when none.
    std::int32_t methodIndex = -1;
    // Slots 1..50 of `tabnumsel`: slot i is numbers[i - 1]; 0 marks an empty slot.
    std::array<std::int32_t, ticketSetSlots> numbers{};

    bool operator==(const TTicketSetRecord &) const = default;
};

// The 208 bytes of a ticket-set file holding `record`.
std::array<std::uint8_t, ticketSetRecordSize> encodeTicketSet(const TTicketSetRecord &record);

// The record held by the first 208 bytes of a file, header included as it stands.
TTicketSetRecord decodeTicketSet(std::span<const std::uint8_t, ticketSetRecordSize> bytes);

// Whether the record starts with the byte 3 followed by "GRI".
bool hasTicketSetHeader(const TTicketSetRecord &record);

enum class TicketSetStatus {
    Ok,
    Missing,      // no file at that path
    Unreadable,   // cannot be opened or read, or shorter than one record
    WrongHeader,  // not a ticket-set file
};

struct TicketSetLoad {
    TicketSetStatus status = TicketSetStatus::Missing;
    TTicketSetRecord record;  // meaningful only when status is Ok
};

// Reads the ticket-set file at `path`. Bytes after the first record are ignored.
TicketSetLoad loadTicketSet(const std::filesystem::path &path);

// Writes `record` as the file at `path`; on failure the file that stood there is intact.
FileWriteResult saveTicketSet(const std::filesystem::path &path, const TTicketSetRecord &record);

// The record of a selection: `methodIndex` and slots 1..50 of `tabnumsel`.
TTicketSetRecord ticketSetFromSelection(const Selection &selection, std::int32_t methodIndex);

// Replaces the numbers of `selection` by the record's: everything is cleared, slots 1..50 take
// the low 16 bits of each stored value as a signed number, and the numbers 1..99 among them are
// ticked.
void applyTicketSetNumbers(const TTicketSetRecord &record, Selection &selection);
