#include "storage/paramrecord.h"

#include "storage/littleendian.h"

std::array<std::uint8_t, paramRecordSize> encodeParamRecord(const TParamRecord &record)
{
    std::array<std::uint8_t, paramRecordSize> bytes{};
    putInt32(&bytes[0], record.reserved1);
    putInt32(&bytes[4], record.language);
    putInt32(&bytes[8], record.offsetHorizontal);
    putInt32(&bytes[12], record.offsetVertical);
    putInt32(&bytes[16], record.displayLayout);
    putInt32(&bytes[20], record.randomMax);
    putInt16(&bytes[24], record.printBulletinIndex);
    for (std::size_t i = 0; i < record.reserved2.size(); ++i)
        bytes[26 + i] = record.reserved2[i];
    return bytes;
}

TParamRecord decodeParamRecord(std::span<const std::uint8_t, paramRecordSize> bytes)
{
    TParamRecord record;
    record.reserved1 = getInt32(&bytes[0]);
    record.language = getInt32(&bytes[4]);
    record.offsetHorizontal = getInt32(&bytes[8]);
    record.offsetVertical = getInt32(&bytes[12]);
    record.displayLayout = getInt32(&bytes[16]);
    record.randomMax = getInt32(&bytes[20]);
    record.printBulletinIndex = getInt16(&bytes[24]);
    for (std::size_t i = 0; i < record.reserved2.size(); ++i)
        record.reserved2[i] = bytes[26 + i];
    return record;
}

void applyParamDefaults(TParamRecord &record)
{
    record.language = 1;
    record.offsetHorizontal = 0;
    record.offsetVertical = 0;
    record.displayLayout = 2;
    record.randomMax = 49;
    record.printBulletinIndex = 0;
}
