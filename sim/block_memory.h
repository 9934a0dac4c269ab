#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// The transponder's block memory: fixed-size blocks, readable and writable
// as text or as hexadecimal bytes, guarded by two keys (A and B).
class BlockMemory {
public:
    static constexpr int BlockCount = 64;
    static constexpr int BlockSize = 16;
    static constexpr char DefaultKey[] = "7D2B40C95E18";

    BlockMemory();

    // A block's bytes, or nothing for a number outside the memory.
    std::optional<QByteArray> block(int number) const;
    // Stores data at the start of the block and zeroes the rest; false when
    // the number is outside the memory or the data longer than a block.
    bool store(int number, const QByteArray& data);

    void setKeys(const QByteArray& keyA, const QByteArray& keyB);
    // Access rules: no key type and no key means open access; a key without
    // a type is tried as key A; a type without a key is refused; otherwise
    // the key must match the type's key (hexadecimal, any letter case).
    bool admits(char keyType, const QByteArray& key) const;

    // A block as text: the bytes up to its first zero byte, with CR and LF
    // shown as '.', since a reply line may not contain a line end.
    static QByteArray asText(const QByteArray& block);
    // Upper-case hexadecimal, two digits per byte.
    static QByteArray asHex(const QByteArray& block) { return block.toHex().toUpper(); }

private:
    QList<QByteArray> blocks;
    QByteArray keyA;
    QByteArray keyB;
};
