#include "station/share/Packets.h"

namespace vantor::share {

namespace {

constexpr std::string_view Head = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

struct Xml {
    std::string out;
    explicit Xml(std::string_view root) {
        out.reserve(2048);
        out += Head;
        out += '<';
        out += root;
        out += ">\n";
    }
    Xml& el(std::string_view name, std::string_view value) {
        out += "\t<";
        out += name;
        out += '>';
        out += xmlText(value);
        out += "</";
        out += name;
        out += ">\n";
        return *this;
    }
    Xml& el(std::string_view name, std::int64_t value) { return el(name, std::to_string(value)); }
    Xml& flag(std::string_view name, bool value) { return el(name, value ? "True" : "False"); }
    std::string close(std::string_view root) {
        out += "</";
        out += root;
        out += ">\n";
        return std::move(out);
    }
};

} // namespace

std::string xmlText(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (const char ch : latin1) {
        const auto u = static_cast<unsigned char>(ch);
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (u >= 0x80) {
                out += static_cast<char>(0xC0 | (u >> 6));
                out += static_cast<char>(0x80 | (u & 0x3F));
            } else if (u >= 0x20 || ch == '\t') {
                out += ch;
            } // other control characters have no place in XML 1.0
        }
    }
    return out;
}

std::string bandMegahertz(std::string_view code) {
    static constexpr std::string_view Codes[][2] = {{"160", "1.8"}, {"80", "3.5"}, {"40", "7"},
                                                    {"20", "14"},   {"15", "21"},  {"10", "28"}};
    for (const auto& c : Codes)
        if (c[0] == code)
            return std::string(c[1]);
    return std::string(code);
}

std::string contactPacket(ContactPacket kind, const ContactFacts& f) {
    const std::string_view root = kind == ContactPacket::Info ? "contactinfo" : "contactreplace";
    Xml x(root);
    const std::int64_t tens = f.hz / 10;
    x.el("app", AppName)
        .el("contestname", f.contest)
        .el("contestnr", 1)
        .el("timestamp", f.timestamp)
        .el("mycall", f.myCall)
        .el("band", f.band)
        .el("rxfreq", tens)
        .el("txfreq", tens)
        .el("operator", f.myCall)
        .el("mode", f.mode)
        .el("call", f.call)
        .el("countryprefix", "")
        .el("wpxprefix", "")
        .el("stationprefix", f.myCall)
        .el("continent", "")
        .el("snt", "")
        .el("sntnr", f.sentSerial)
        .el("rcv", "")
        .el("rcvnr", f.receivedSerial)
        .el("gridsquare", "")
        .el("exchange1", "")
        .el("section", f.section)
        .el("comment", "")
        .el("qth", "")
        .el("name", "")
        .el("power", "")
        .el("misctext", "")
        .el("zone", "")
        .el("prec", f.precedence)
        .el("ck", f.check)
        .el("ismultiplier1", f.newSection ? 1 : 0)
        .el("ismultiplier2", 0)
        .el("ismultiplier3", 0)
        .el("points", 2)
        .el("radionr", 1)
        .el("run1run2", 1)
        .el("RoverLocation", "")
        .el("RadioInterfaced", f.radioInterfaced ? 1 : 0)
        .el("NetworkedCompNr", 0)
        .flag("IsOriginal", true)
        .el("NetBiosName", f.stationName)
        .flag("IsRunQSO", false)
        .el("StationName", f.stationName)
        .el("ID", f.id)
        .flag("IsClaimedQso", true)
        .el("SentExchange", f.sentExchange);
    return x.close(root);
}

std::string contactDeletePacket(const ContactFacts& f) {
    Xml x("contactdelete");
    x.el("app", AppName)
        .el("timestamp", f.timestamp)
        .el("call", f.call)
        .el("contestnr", 1)
        .el("StationName", f.stationName)
        .el("ID", f.id);
    return x.close("contactdelete");
}

std::string radioPacket(const RadioFacts& f) {
    Xml x("RadioInfo");
    const std::int64_t tens = f.hz / 10;
    x.el("app", AppName)
        .el("StationName", f.stationName)
        .el("RadioNr", 1)
        .el("Freq", tens)
        .el("TXFreq", tens)
        .el("Mode", f.mode)
        .el("OpCall", f.opCall)
        .flag("IsRunning", false)
        .el("FocusEntry", 0)
        .el("EntryWindowHwnd", 0)
        .el("Antenna", -1)
        .el("Rotors", "")
        .el("FocusRadioNr", 1)
        .flag("IsStereo", false)
        .flag("IsSplit", false)
        .el("ActiveRadioNr", 1)
        .flag("IsTransmitting", false)
        .el("FunctionKeyCaption", "")
        .el("RadioName", "")
        .el("AuxAntSelected", -1)
        .el("AuxAntSelectedName", "")
        .flag("IsConnected", true);
    return x.close("RadioInfo");
}

} // namespace vantor::share
