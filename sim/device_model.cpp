#include "sim/device_model.h"

#include "sim/identifiers.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace {

const QByteArray ok = QByteArrayLiteral("Ok\r\n");
const QByteArray error = QByteArrayLiteral("Error\r\n");
const QByteArray memoryFull = QByteArrayLiteral("Memory full\r\n");
const QByteArray disconnectWord = QByteArrayLiteral("DISCONNECT");
// A line this long without CR is not a command; it is dropped.
constexpr qsizetype maxCommandLength = 65536;
// A device that hangs up after a command does so this long after its reply,
// so the reply can still be read.
constexpr qint64 hangUpGraceUs = 50'000;

struct SettingRule {
    int initial;
    int lowest;
    int highest;
    bool writable;
};
const std::map<QByteArray, SettingRule>& settingRules()
{
    static const std::map<QByteArray, SettingRule> rules{
        {"TAGTYP", {1, 0, 11, true}},     {"OFF", {300, 0, 65535, true}}, {"TIMEOUT", {20, 0, 255, true}},
        {"FDXCODE", {2, 1, 8, true}},     {"ENBEEP", {1, 0, 1, true}},    {"MODE", {1, 0, 3, true}},
        {"MENU", {31, 0, 255, true}},     {"LANGUAGE", {1, 0, 3, true}},  {"AKKU", {87, 0, 100, false}},
    };
    return rules;
}

QByteArray line(const QByteArray& text)
{
    return text + "\r\n";
}

// A whole decimal integer with an optional sign, nothing else.
std::optional<int> wholeNumber(const QByteArray& text)
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber, 10);
    return isNumber ? std::optional<int>(value) : std::nullopt;
}

// The text between the first and the last double quote; without two
// quotes, the text itself (a device forgives a missing quote).
QByteArray quotedText(const QByteArray& text)
{
    const qsizetype first = text.indexOf('"');
    const qsizetype last = text.lastIndexOf('"');
    if (first < 0 || last == first)
        return text.trimmed();
    return text.mid(first + 1, last - first - 1);
}

// "A" or "B" and a key after the block arguments of BINREAD and BINWRITE.
struct KeyPart {
    char type = 0;
    QByteArray key;
    bool valid = true;
};
KeyPart keyPart(const QList<QByteArray>& tokens)
{
    KeyPart part;
    for (const QByteArray& token : tokens) {
        if ((token == "A" || token == "B") && part.type == 0 && part.key.isEmpty())
            part.type = token.at(0);
        else if (part.key.isEmpty())
            part.key = token;
        else
            part.valid = false;
    }
    return part;
}

QByteArray withoutLeadingBlanks(const QByteArray& text)
{
    qsizetype start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text.at(start))))
        ++start;
    return text.mid(start);
}

bool isHexData(const QByteArray& text)
{
    if (text.isEmpty() || text.size() % 2 != 0 || text.size() > 2 * BlockMemory::BlockSize)
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

} // namespace

// One command line taken apart: the word, everything after the blank that
// ends it, and that rest cut into blank-separated arguments.
struct DeviceModel::Command {
    QByteArray word;
    QByteArray rest;
    QList<QByteArray> args;
    bool bare;  // nothing at all after the word

    explicit Command(const QByteArray& line)
    {
        const QByteArray text = withoutLeadingBlanks(line);
        const qsizetype blank = text.indexOf(' ');
        word = wordOf(text);
        rest = blank < 0 ? QByteArray() : text.mid(blank + 1);
        bare = blank < 0;
        const QByteArray simple = rest.simplified();
        if (!simple.isEmpty())
            args = simple.split(' ');
    }
    std::optional<int> number(qsizetype index) const
    {
        return index < args.size() ? wholeNumber(args.at(index)) : std::nullopt;
    }
};

DeviceModel::DeviceModel(DeviceOptions options, const QStringList& scannerRegisterCatalogue)
    : opts(std::move(options)),
      registers(scannerRegisterCatalogue),
      timing(opts),
      dataRandom(opts.seed ^ RandomStream::Data),
      errorRandom(opts.seed ^ RandomStream::Errors)
{
    for (const auto& [word, rule] : settingRules())
        st.settings[word] = rule.initial;
    st.clock = QDateTime(QDate(2026, 1, 1), QTime(0, 0));
    preloadRecords(opts.preloadRecords);
}

void DeviceModel::preloadRecords(int count)
{
    QDateTime when(QDate(2026, 3, 2), QTime(6, 0));
    for (int i = 1; i <= count; ++i) {
        when = when.addSecs(60 * dataRandom.between(0, 9));
        st.records << Identifiers::record(dataRandom, i, when);
    }
}

const std::map<QByteArray, DeviceModel::Handler>& DeviceModel::commandTable()
{
    static const std::map<QByteArray, Handler> table{
        {"ONLINE", &DeviceModel::online},        {"DISCONNECT", &DeviceModel::disconnect},
        {"TAGTYP", &DeviceModel::setting},       {"OFF", &DeviceModel::setting},
        {"TIMEOUT", &DeviceModel::setting},      {"FDXCODE", &DeviceModel::setting},
        {"ENBEEP", &DeviceModel::setting},       {"MODE", &DeviceModel::setting},
        {"MENU", &DeviceModel::setting},         {"LANGUAGE", &DeviceModel::setting},
        {"AKKU", &DeviceModel::setting},         {"CLOCK", &DeviceModel::clockCommand},
        {"READID", &DeviceModel::readId},        {"SCAN", &DeviceModel::scan},
        {"READ", &DeviceModel::readBlocks},      {"WRITE", &DeviceModel::writeBlock},
        {"BINREAD", &DeviceModel::binRead},      {"BINWRITE", &DeviceModel::binWrite},
        {"BEEP", &DeviceModel::beep},            {"KEYBOARD", &DeviceModel::keyboard},
        {"CLS", &DeviceModel::clearScreen},      {"DISPLAY", &DeviceModel::displayText},
        {"BARCODE", &DeviceModel::barcodeRegister}, {"STA", &DeviceModel::statistics},
        {"GET", &DeviceModel::getRecords},       {"DEL", &DeviceModel::deleteData},
        {"PUT", &DeviceModel::putCode},          {"REC", &DeviceModel::recCodes},
    };
    return table;
}

QByteArray DeviceModel::wordOf(const QByteArray& line)
{
    const QByteArray text = withoutLeadingBlanks(line);
    const qsizetype blank = text.indexOf(' ');
    return (blank < 0 ? text : text.left(blank)).trimmed();
}

DeviceOutput DeviceModel::receive(const QByteArray& bytes, qint64 nowUs)
{
    DeviceOutput out;
    if (gone)
        return out;
    input += bytes;
    qsizetype end;
    while ((end = input.indexOf('\r')) >= 0) {
        QByteArray text = input.left(end);
        input.remove(0, end + 1);
        // A tool that ends its lines with CR LF leaves the LF in front of the next one.
        while (text.startsWith('\n'))
            text.remove(0, 1);
        if (text.trimmed().isEmpty())
            continue;
        ++commandCount;
        const QByteArray reply = execute(text);
        const QByteArray word = wordOf(text);
        if (word == disconnectWord) {
            out.sends.clear();
            out.dropPending = true;
            timing.clear(nowUs);
        }
        if (!opts.silentCommands.contains(word))
            out.sends << timing.transmit(reply, nowUs);
        if (opts.hangUpAfterCommands > 0 && commandCount >= opts.hangUpAfterCommands) {
            out.hangUpAtUs = std::max(nowUs, timing.lineFreeAtUs()) + hangUpGraceUs;
            gone = true;
            input.clear();
            return out;
        }
    }
    if (input.size() > maxCommandLength)
        input.clear();
    return out;
}

std::optional<qint64> DeviceModel::hangUpDeadlineUs() const
{
    if (opts.hangUpAfterMs <= 0)
        return std::nullopt;
    return qint64(opts.hangUpAfterMs) * 1000;
}

QByteArray DeviceModel::garbage() const
{
    SeededRandom random(opts.seed ^ RandomStream::Garbage);
    QByteArray bytes;
    for (int i = 0; i < opts.garbageBytes; ++i)
        bytes += static_cast<char>(random.below(256));
    if (!bytes.isEmpty() && (bytes.endsWith('\r') || bytes.endsWith('\n')))
        bytes.back() = '?';
    return bytes;
}

void DeviceModel::setScriptedReply(const QByteArray& commandLine, const QByteArray& replyBytes)
{
    if (replyBytes.isEmpty())
        scripted.erase(commandLine);
    else
        scripted[commandLine] = replyBytes;
}

QByteArray DeviceModel::execute(const QByteArray& text)
{
    st.commandsReceived << text;
    if (const auto found = scripted.find(text); found != scripted.end())
        return found->second;
    const Command command(text);
    const auto handler = commandTable().find(command.word);
    if (handler == commandTable().end())
        return error;
    if (opts.errorCommands.contains(command.word) && errorRandom.chance(opts.errorRate))
        return error;
    return (this->*handler->second)(command);
}

QByteArray DeviceModel::online(const Command&)
{
    st.online = true;
    return ok;
}

QByteArray DeviceModel::disconnect(const Command&)
{
    st.online = false;
    return {};
}

QByteArray DeviceModel::setting(const Command& c)
{
    const SettingRule& rule = settingRules().at(c.word);
    int& stored = st.settings[c.word];
    if (c.bare)
        return line(c.word + ':' + QByteArray::number(stored));
    const QByteArray valueText = c.rest.trimmed();
    // The switch-off time "aus" is the tool's word for off.
    const std::optional<int> value =
        c.word == "OFF" && valueText.compare("aus", Qt::CaseInsensitive) == 0 ? 0 : wholeNumber(valueText);
    if (!rule.writable || !value || *value < rule.lowest || *value > rule.highest)
        return error;
    stored = *value;
    return ok;
}

QByteArray DeviceModel::clockCommand(const Command& c)
{
    static const QString format = QStringLiteral("dd.MM.yyyy hh:mm");
    if (c.bare)
        return line("CLOCK:" + st.clock.toString(format).toLatin1());
    const QDateTime when = QDateTime::fromString(QString::fromLatin1(c.rest.simplified()), format);
    if (!when.isValid())
        return error;
    st.clock = when;
    return ok;
}

QByteArray DeviceModel::readId(const Command&)
{
    return line(Identifiers::transponder(dataRandom, st.settings["TAGTYP"], st.settings["FDXCODE"]));
}

QByteArray DeviceModel::scan(const Command&)
{
    return line(Identifiers::ean13(dataRandom));
}

QByteArray DeviceModel::readBlocks(const Command& c)
{
    int from = 0;
    int to = BlockMemory::BlockCount - 1;
    if (!c.args.isEmpty()) {
        const std::optional<int> first = c.number(0);
        const std::optional<int> last = c.args.size() > 1 ? c.number(1) : first;
        if (!first || !last || c.args.size() > 2)
            return error;
        from = *first;
        to = *last;
    }
    if (from > to || !st.blocks.block(from) || !st.blocks.block(to))
        return error;
    QByteArray reply;
    for (int n = from; n <= to; ++n)
        reply += line(QByteArray::number(n) + ':' + BlockMemory::asText(*st.blocks.block(n)));
    return reply;
}

QByteArray DeviceModel::writeBlock(const Command& c)
{
    const std::optional<int> number = c.number(0);
    if (!number)
        return error;
    const QByteArray afterNumber = c.rest.trimmed().mid(c.args.at(0).size());
    return st.blocks.store(*number, quotedText(afterNumber)) ? ok : error;
}

QByteArray DeviceModel::binRead(const Command& c)
{
    const std::optional<int> number = c.number(0);
    const KeyPart key = keyPart(c.args.mid(1));
    if (!number || !key.valid || !st.blocks.block(*number) || !st.blocks.admits(key.type, key.key))
        return error;
    return line(QByteArray::number(*number) + ':' + BlockMemory::asHex(*st.blocks.block(*number)));
}

QByteArray DeviceModel::binWrite(const Command& c)
{
    const std::optional<int> number = c.number(0);
    const QByteArray data = c.args.value(1);
    const KeyPart key = keyPart(c.args.mid(2));
    if (!number || !isHexData(data) || !key.valid || !st.blocks.admits(key.type, key.key))
        return error;
    return st.blocks.store(*number, QByteArray::fromHex(data)) ? ok : error;
}

QByteArray DeviceModel::beep(const Command&)
{
    ++st.beeps;
    return ok;
}

QByteArray DeviceModel::keyboard(const Command&)
{
    ++st.keyboardCalls;
    return ok;
}

QByteArray DeviceModel::clearScreen(const Command&)
{
    st.display.fill(QByteArray());
    return ok;
}

QByteArray DeviceModel::displayText(const Command& c)
{
    const std::optional<int> number = c.number(0);
    if (!number || *number < 1 || *number > static_cast<int>(st.display.size()))
        return error;
    st.display.at(*number - 1) = quotedText(c.rest.trimmed().mid(c.args.at(0).size()));
    return ok;
}

QByteArray DeviceModel::barcodeRegister(const Command& c)
{
    const std::optional<int> number = c.number(0);
    if (!number || c.args.size() > 2)
        return error;
    if (c.args.size() == 1) {
        const std::optional<int> value = registers.value(*number);
        if (!value)
            return error;
        return line(QByteArray::number(*number).rightJustified(3, '0') + ':' + QByteArray::number(*value));
    }
    const std::optional<int> value = c.number(1);
    return value && registers.set(*number, *value) ? ok : error;
}

QByteArray DeviceModel::statistics(const Command&)
{
    return line(QByteArray::number(st.customCodes.size()) + '|' + QByteArray::number(st.records.size()));
}

QByteArray DeviceModel::getRecords(const Command&)
{
    QByteArray reply;
    reply.reserve(st.records.size() * 56);
    for (const QByteArray& record : st.records)
        reply += line(record);
    return reply;
}

QByteArray DeviceModel::deleteData(const Command& c)
{
    if (c.args.size() != 1)
        return error;
    if (c.args.at(0) == "E")
        st.records.clear();
    else if (c.args.at(0) == "T")
        st.customCodes.clear();
    else
        return error;
    return ok;
}

QByteArray DeviceModel::putCode(const Command& c)
{
    if (c.bare)
        return error;
    if (st.customCodes.size() >= opts.customCodeCapacity)
        return memoryFull;
    st.customCodes << c.rest;
    return ok;
}

QByteArray DeviceModel::recCodes(const Command&)
{
    QByteArray reply;
    for (const QByteArray& code : st.customCodes)
        reply += line(code);
    return reply;
}
