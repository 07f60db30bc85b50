#include "ZipRecords.h"

#include <algorithm>

namespace {

constexpr std::uint32_t overflow32 = 0xFFFFFFFF;
constexpr std::uint16_t madeByUnix = (3 << 8) | 30;

class Bytes final {
public:
    Bytes& u16(std::uint64_t value) { return put(value, 2); }
    Bytes& u32(std::uint64_t value) { return put(value, 4); }
    Bytes& u64(std::uint64_t value) { return put(value, 8); }
    Bytes& raw(std::string_view text) {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    Bytes& raw(const std::vector<unsigned char>& bytes) {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    std::vector<unsigned char> take() { return std::move(m_bytes); }
    std::size_t size() const { return m_bytes.size(); }

private:
    Bytes& put(std::uint64_t value, int width) {
        for (int index = 0; index < width; ++index)
            m_bytes.push_back(static_cast<unsigned char>(value >> (8 * index)));
        return *this;
    }
    std::vector<unsigned char> m_bytes;
};

bool centralZip64(const ZipEntryRecord& entry) {
    return entry.size >= overflow32 || entry.compressedSize >= overflow32 || entry.offset >= overflow32;
}

std::uint16_t versionNeeded(const ZipEntryRecord& entry) {
    if (!entry.encryptionField.empty())
        return 51;
    if (entry.localZip64 || centralZip64(entry))
        return 45;
    return entry.method == 0 && !(entry.flags & ZipRecords::flagEncrypted) ? 10 : 20;
}

std::uint32_t externalAttributes(const ZipEntryRecord& entry) {
    std::uint32_t dosAttributes = (entry.mode & 0200) ? 0 : 0x01;
    if ((entry.mode & 0170000) == 0040000)
        dosAttributes |= 0x10;
    return (entry.mode << 16) | dosAttributes;
}

// The extended timestamp and the Unix owner, as the local (with access time) or central header has them.
std::vector<unsigned char> metadataFields(const ZipEntryRecord& entry, bool local) {
    Bytes fields;
    if (!entry.withMetadata)
        return fields.take();
    fields.u16(0x5455)
        .u16(local ? 9 : 5)
        .raw(std::string_view("\x03", 1))
        .u32(static_cast<std::uint32_t>(entry.modified));
    if (local)
        fields.u32(static_cast<std::uint32_t>(entry.accessed));
    fields.u16(0x7875).u16(11).raw(std::string_view("\x01\x04", 2)).u32(entry.owner);
    fields.raw(std::string_view("\x04", 1)).u32(entry.group);
    return fields.take();
}

Bytes& commonFields(Bytes& header, const ZipEntryRecord& entry) {
    const std::uint32_t time = ZipRecords::dosTime(entry.modified);
    return header.u16(versionNeeded(entry)).u16(entry.flags).u16(entry.method).u32(time);
}

} // namespace

std::vector<unsigned char> ZipRecords::localHeader(const ZipEntryRecord& entry) {
    const bool deferred = entry.flags & flagDataDescriptor;
    Bytes extra;
    if (entry.localZip64)
        extra.u16(0x0001).u16(16).u64(deferred ? 0 : entry.size).u64(deferred ? 0 : entry.compressedSize);
    extra.raw(metadataFields(entry, true)).raw(entry.encryptionField);
    const std::vector<unsigned char> extraBytes = extra.take();
    Bytes header;
    commonFields(header.u32(0x04034b50), entry);
    header.u32(deferred ? 0 : entry.checksum);
    if (entry.localZip64)
        header.u32(overflow32).u32(overflow32);
    else
        header.u32(deferred ? 0 : entry.compressedSize).u32(deferred ? 0 : entry.size);
    header.u16(entry.name.size()).u16(extraBytes.size()).raw(entry.name).raw(extraBytes);
    return header.take();
}

std::vector<unsigned char> ZipRecords::dataDescriptor(const ZipEntryRecord& entry) {
    Bytes descriptor;
    descriptor.u32(0x08074b50).u32(entry.checksum);
    if (entry.localZip64)
        descriptor.u64(entry.compressedSize).u64(entry.size);
    else
        descriptor.u32(entry.compressedSize).u32(entry.size);
    return descriptor.take();
}

std::vector<unsigned char> ZipRecords::centralHeader(const ZipEntryRecord& entry) {
    Bytes zip64;
    if (entry.size >= overflow32)
        zip64.u64(entry.size);
    if (entry.compressedSize >= overflow32)
        zip64.u64(entry.compressedSize);
    if (entry.offset >= overflow32)
        zip64.u64(entry.offset);
    Bytes extra;
    if (zip64.size() > 0)
        extra.u16(0x0001).u16(zip64.size()).raw(zip64.take());
    extra.raw(metadataFields(entry, false)).raw(entry.encryptionField);
    const std::vector<unsigned char> extraBytes = extra.take();
    Bytes header;
    commonFields(header.u32(0x02014b50).u16(madeByUnix), entry).u32(entry.checksum);
    header.u32(std::min<std::uint64_t>(entry.compressedSize, overflow32));
    header.u32(std::min<std::uint64_t>(entry.size, overflow32));
    header.u16(entry.name.size()).u16(extraBytes.size()).u16(0).u16(0).u16(0);
    header.u32(externalAttributes(entry)).u32(std::min<std::uint64_t>(entry.offset, overflow32));
    header.raw(entry.name).raw(extraBytes);
    return header.take();
}

std::vector<unsigned char> ZipRecords::end(std::uint64_t entries, std::uint64_t directoryOffset,
                                           std::uint64_t directorySize) {
    Bytes records;
    const bool zip64 = entries >= 0xFFFF || directoryOffset >= overflow32 || directorySize >= overflow32;
    if (zip64) {
        const std::uint64_t recordOffset = directoryOffset + directorySize;
        records.u32(0x06064b50).u64(44).u16(madeByUnix).u16(45).u32(0).u32(0);
        records.u64(entries).u64(entries).u64(directorySize).u64(directoryOffset);
        records.u32(0x07064b50).u32(0).u64(recordOffset).u32(1);
    }
    const std::uint64_t shortEntries = std::min<std::uint64_t>(entries, 0xFFFF);
    records.u32(0x06054b50).u16(0).u16(0).u16(shortEntries).u16(shortEntries);
    records.u32(std::min<std::uint64_t>(directorySize, overflow32));
    records.u32(std::min<std::uint64_t>(directoryOffset, overflow32)).u16(0);
    return records.take();
}

std::uint32_t ZipRecords::dosTime(std::time_t time) {
    const std::time_t even = time + (time & 1);
    std::tm local{};
    if (::localtime_r(&even, &local) == nullptr || local.tm_year < 80)
        return (1 << 16) | (1 << 21); // 1980-01-01 00:00, the earliest DOS time
    if (local.tm_year > 207)
        return 0xFF9FBF7D; // 2107-12-31 23:59:58, the latest
    const std::uint32_t dosClock = (local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2);
    const std::uint32_t dosDate = ((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday;
    return (dosDate << 16) | dosClock;
}

bool ZipRecords::isUtf8(std::string_view name) {
    for (std::size_t index = 0; index < name.size();) {
        const auto lead = static_cast<unsigned char>(name[index]);
        const std::size_t length = lead < 0x80             ? 1
                                   : (lead & 0xE0) == 0xC0 ? 2
                                   : (lead & 0xF0) == 0xE0 ? 3
                                   : (lead & 0xF8) == 0xF0 ? 4
                                                           : 0;
        if (length == 0 || index + length > name.size())
            return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t follow = 1; follow < length; ++follow) {
            const auto next = static_cast<unsigned char>(name[index + follow]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, UTF-16 surrogates and values past Unicode are not UTF-8.
        static constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        index += length;
    }
    return true;
}
