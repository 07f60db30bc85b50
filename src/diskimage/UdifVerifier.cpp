#include "UdifVerifier.h"

#include "BigEndian.h"
#include "DiskImageError.h"
#include "ImageSource.h"
#include "UdifLayout.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstring>
#include <string>

#include <zlib.h>

using namespace UdifLayout;

namespace {

constexpr std::size_t pieceSize = 1 << 20;
// Far beyond what a block table of a very large image needs, yet never a memory hazard.
constexpr std::uint64_t propertyListLimit = 256 << 20;

[[noreturn]] void damaged(const std::string& what) {
    throw DiskImageError("The disk image is damaged: " + what);
}

bool isCrc32(const unsigned char* typeAndSize) {
    return BigEndian::get32(typeAndSize) == crc32Type && BigEndian::get32(typeAndSize + 4) == crc32Bits;
}

// Within a property list dict: moves to the value after <key>name</key>; false when there is none.
bool findKey(QXmlStreamReader& reader, QStringView name) {
    while (reader.readNextStartElement()) {
        if (reader.name() != u"key") {
            reader.skipCurrentElement();
            continue;
        }
        const bool wanted = reader.readElementText() == name;
        if (!reader.readNextStartElement())
            return false;
        if (wanted)
            return true;
        reader.skipCurrentElement();
    }
    return false;
}

// The binary block tables of resource-fork › blkx, in order.
std::vector<std::vector<unsigned char>> blockTables(const QByteArray& propertyList) {
    QXmlStreamReader reader(propertyList);
    std::vector<std::vector<unsigned char>> tables;
    if (reader.readNextStartElement() && reader.name() == u"plist" && reader.readNextStartElement() &&
        reader.name() == u"dict" && findKey(reader, u"resource-fork") && reader.name() == u"dict" &&
        findKey(reader, u"blkx") && reader.name() == u"array") {
        while (reader.readNextStartElement()) {
            if (reader.name() != u"dict" || !findKey(reader, u"Data") || reader.name() != u"data")
                damaged("a block table has no data");
            const QByteArray table = QByteArray::fromBase64(reader.readElementText().toLatin1());
            tables.emplace_back(table.begin(), table.end());
            while (reader.readNextStartElement())
                reader.skipCurrentElement();
        }
    }
    if (reader.hasError() || tables.empty())
        damaged("its property list holds no block table");
    return tables;
}

} // namespace

void UdifVerifier::verify(ImageSource& image) {
    UdifVerifier(image).run();
}

UdifVerifier::UdifVerifier(ImageSource& image)
    : m_image(image)
    , m_stored(pieceSize)
    , m_expanded(pieceSize) {}

void UdifVerifier::run() {
    ImageSource& image = m_image;
    const std::uint64_t size = image.size();
    unsigned char trailer[trailerSize];
    if (size < trailerSize)
        throw DiskImageError("The file is not a disk image");
    image.readAt(size - trailerSize, trailer, trailerSize);
    if (std::memcmp(trailer, "koly", 4) != 0 || BigEndian::get32(trailer + 4) != 4 ||
        BigEndian::get32(trailer + 8) != trailerSize)
        throw DiskImageError("The file is not a disk image");
    if (!isCrc32(trailer + 80) || !isCrc32(trailer + 352))
        damaged("its checksums are of an unknown kind");

    const std::uint64_t contentSize = size - trailerSize;
    m_dataForkOffset = BigEndian::get64(trailer + 24);
    m_dataForkLength = BigEndian::get64(trailer + 32);
    const std::uint64_t xmlOffset = BigEndian::get64(trailer + 216);
    const std::uint64_t xmlLength = BigEndian::get64(trailer + 224);
    if (m_dataForkOffset > contentSize || m_dataForkLength > contentSize - m_dataForkOffset ||
        xmlOffset > contentSize || xmlLength > contentSize - xmlOffset || xmlLength == 0 ||
        xmlLength > propertyListLimit)
        damaged("its trailer points outside the file");

    std::vector<std::vector<unsigned char>> tables;
    {
        QByteArray propertyList(static_cast<qsizetype>(xmlLength), Qt::Uninitialized);
        image.readAt(xmlOffset, reinterpret_cast<unsigned char*>(propertyList.data()), xmlLength);
        tables = blockTables(propertyList);
    }
    for (const std::vector<unsigned char>& table : tables)
        checkTable(table);
    skipTo(m_dataForkLength);

    if (m_dataChecksum != BigEndian::get32(trailer + 88))
        damaged("its data checksum does not match");
    if (m_sector != BigEndian::get64(trailer + 492))
        damaged("its sector count does not match its block tables");
    if (crc(0, m_tableChecksums.data(), m_tableChecksums.size()) != BigEndian::get32(trailer + 360))
        damaged("its master checksum does not match");
}

void UdifVerifier::checkTable(const std::vector<unsigned char>& table) {
    const unsigned char* header = table.data();
    if (table.size() < blockTableHeaderSize || std::memcmp(header, "mish", 4) != 0 ||
        BigEndian::get32(header + 4) != 1)
        damaged("a block table is unreadable");
    const std::uint64_t runCount = BigEndian::get32(header + 200);
    if (table.size() != blockTableHeaderSize + runSize * runCount || runCount == 0)
        damaged("a block table is unreadable");
    if (!isCrc32(header + 64))
        damaged("its checksums are of an unknown kind");
    if (BigEndian::get64(header + 8) != m_sector)
        damaged("its block tables leave a gap");
    const std::uint64_t sectorCount = BigEndian::get64(header + 16);
    const std::uint64_t dataStart = BigEndian::get64(header + 24);

    std::uint32_t checksum = 0;
    std::uint64_t sector = 0; // within this table
    for (std::uint64_t index = 0; index < runCount; ++index) {
        const unsigned char* run = header + blockTableHeaderSize + runSize * index;
        const std::uint32_t type = BigEndian::get32(run);
        const std::uint64_t runSectors = BigEndian::get64(run + 16);
        const std::uint64_t storedOffset = BigEndian::get64(run + 24);
        const std::uint64_t storedLength = BigEndian::get64(run + 32);
        if (BigEndian::get64(run + 8) != sector)
            damaged("the chunks at sector " + std::to_string(m_sector + sector) + " overlap or leave a gap");
        if (type == lastRun) {
            if (index + 1 != runCount || sector != sectorCount)
                damaged("a block table ends early");
            break;
        }
        if (runSectors > sectorCount - sector)
            damaged("a chunk reaches past its block table");
        const std::uint64_t expandedSize = runSectors * sectorSize;
        if (type == zlibRun || type == rawRun) {
            if (dataStart > m_dataForkLength || storedOffset > m_dataForkLength - dataStart ||
                storedLength > m_dataForkLength - dataStart - storedOffset)
                damaged("a chunk lies outside the data");
            if (dataStart + storedOffset < m_forkPosition)
                damaged("its chunks are not in order");
            skipTo(dataStart + storedOffset);
            const std::uint32_t expanded = readChunk(type, storedLength, expandedSize, m_sector + sector);
            checksum = combine(checksum, expanded, expandedSize);
        } else if (type == zeroFillRun) {
            std::fill(m_expanded.begin(), m_expanded.end(), 0);
            for (std::uint64_t left = expandedSize; left > 0;) {
                const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(pieceSize, left));
                checksum = crc(checksum, m_expanded.data(), piece);
                left -= piece;
            }
        } else if (type != zeroRun && type != commentRun) {
            damaged("the chunk at sector " + std::to_string(m_sector + sector) + " is of an unknown kind");
        }
        sector += runSectors;
        if (index + 1 == runCount)
            damaged("a block table has no end");
    }
    if (checksum != BigEndian::get32(header + 72))
        damaged("the block checksum does not match");
    m_tableChecksums.insert(m_tableChecksums.end(), header + 72, header + 76);
    m_sector += sectorCount;
}

void UdifVerifier::skipTo(std::uint64_t end) {
    while (m_forkPosition < end) {
        const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(pieceSize, end - m_forkPosition));
        m_image.readAt(m_dataForkOffset + m_forkPosition, m_stored.data(), piece);
        m_dataChecksum = crc(m_dataChecksum, m_stored.data(), piece);
        m_forkPosition += piece;
    }
}

std::uint32_t UdifVerifier::readChunk(std::uint32_t type, std::uint64_t storedLength,
                                      std::uint64_t expandedSize, std::uint64_t sector) {
    const std::string where = "the data at sector " + std::to_string(sector);
    if (type == rawRun && storedLength != expandedSize)
        damaged(where + " has the wrong size");
    z_stream stream{};
    if (type == zlibRun && inflateInit(&stream) != Z_OK)
        throw DiskImageError("The disk image could not be read: out of memory");
    struct StreamEnd {
        z_stream* stream;
        ~StreamEnd() {
            if (stream)
                inflateEnd(stream);
        }
    } streamEnd{type == zlibRun ? &stream : nullptr};

    std::uint32_t checksum = 0;
    std::uint64_t expanded = 0;
    int result = Z_OK;
    for (std::uint64_t left = storedLength; left > 0;) {
        const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(pieceSize, left));
        m_image.readAt(m_dataForkOffset + m_forkPosition, m_stored.data(), piece);
        m_dataChecksum = crc(m_dataChecksum, m_stored.data(), piece);
        m_forkPosition += piece;
        left -= piece;
        if (type == rawRun) {
            checksum = crc(checksum, m_stored.data(), piece);
            continue;
        }
        if (result == Z_STREAM_END)
            damaged(where + " does not decompress");
        stream.next_in = m_stored.data();
        stream.avail_in = static_cast<uInt>(piece);
        do {
            stream.next_out = m_expanded.data();
            stream.avail_out = static_cast<uInt>(m_expanded.size());
            result = inflate(&stream, Z_NO_FLUSH);
            if (result == Z_BUF_ERROR && stream.avail_in == 0) { // all output taken, more input needed
                result = Z_OK;
                break;
            }
            if (result != Z_OK && result != Z_STREAM_END)
                damaged(where + " does not decompress");
            const std::size_t produced = m_expanded.size() - stream.avail_out;
            expanded += produced;
            if (expanded > expandedSize)
                damaged(where + " decompresses to more than its size");
            checksum = crc(checksum, m_expanded.data(), produced);
        } while (result != Z_STREAM_END && (stream.avail_in > 0 || stream.avail_out == 0));
        if (result == Z_STREAM_END && stream.avail_in > 0)
            damaged(where + " does not decompress");
    }
    if (type == zlibRun && (result != Z_STREAM_END || expanded != expandedSize))
        damaged(where + " does not decompress to its size");
    return checksum;
}
