#include "sim/block_memory.h"

BlockMemory::BlockMemory()
    : keyA(DefaultKey), keyB(DefaultKey)
{
    for (int i = 0; i < BlockCount; ++i)
        blocks << QByteArray(BlockSize, '\0');
}

std::optional<QByteArray> BlockMemory::block(int number) const
{
    if (number < 0 || number >= BlockCount)
        return std::nullopt;
    return blocks.at(number);
}

bool BlockMemory::store(int number, const QByteArray& data)
{
    if (number < 0 || number >= BlockCount || data.size() > BlockSize)
        return false;
    blocks[number] = data + QByteArray(BlockSize - data.size(), '\0');
    return true;
}

void BlockMemory::setKeys(const QByteArray& newKeyA, const QByteArray& newKeyB)
{
    keyA = newKeyA;
    keyB = newKeyB;
}

bool BlockMemory::admits(char keyType, const QByteArray& key) const
{
    if (keyType == 0 && key.isEmpty())
        return true;
    if (key.isEmpty())
        return false;
    const QByteArray& expected = keyType == 'B' ? keyB : keyA;
    return key.toUpper() == expected.toUpper();
}

QByteArray BlockMemory::asText(const QByteArray& block)
{
    QByteArray text = block.left(block.indexOf('\0') < 0 ? block.size() : block.indexOf('\0'));
    text.replace('\r', '.').replace('\n', '.');
    return text;
}
