#include "reports/Adif.h"

#include "core/FieldWriter.h"
#include "core/FileOps.h"
#include "reports/Cabrillo.h"
#include "reports/Cabrillo3.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace vantor {

namespace {

bool isNumber(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char ch) {
        return std::isdigit(static_cast<unsigned char>(ch)) != 0;
    });
}

std::string contactProblem(const Contact& c) {
    const bool plainCall = std::all_of(c.Call.begin(), c.Call.end(), [](char ch) {
        return std::isgraph(static_cast<unsigned char>(ch)) != 0;
    });
    if (c.Call.empty() || !plainCall)
        return "the call \"" + c.Call + "\" is not a call sign.";
    if (std::string p = cabrillo3ContactProblem(c); !p.empty())
        return p;
    if (!isNumber(c.NumSent))
        return "the serial number sent \"" + c.NumSent + "\" is not a number.";
    if (!isNumber(c.Num))
        return "the serial number received \"" + c.Num + "\" is not a number.";
    return "";
}

// <NAME:length>value and a space; an empty value is left out.
void field(std::string& out, std::string_view name, std::string_view value) {
    if (value.empty())
        return;
    char length[24];
    const int n = std::snprintf(length, sizeof length, ":%zu>", value.size());
    out += '<';
    out += name;
    out.append(length, static_cast<std::size_t>(n));
    out += value;
    out += ' ';
}

// The sent exchange after the serial number: precedence, call, check and section.
std::string sentTail(const StationData& st) {
    return " " + st.MyPre + " " + st.MyCall + " " + st.MyCk + " " + st.MySec;
}

// The time on with its seconds: the log keeps them.
std::string timeOn(std::int64_t at) {
    const CivilDateTime t = toCivil(at);
    char seconds[4];
    std::snprintf(seconds, sizeof seconds, "%02d", t.second);
    return adifTime(t.hour * 3600 + t.minute * 60) + seconds;
}

} // namespace

std::string adifFileName(std::string_view call) {
    std::string name = cabrillo3FileName(call);
    if (!name.empty())
        name.replace(name.size() - 4, 4, ".adi");
    return name;
}

ReportResult adifCheck(const ContestState& s) {
    return listContactProblems(s, contactProblem,
                               "These contacts cannot go into the ADIF file; correct them and "
                               "write it again:");
}

ReportResult adifText(const ContestState& s, const ShortDateForm& form, int referenceYear,
                      std::string& out) {
    if (ReportResult r = adifCheck(s); !r.ok)
        return r;
    std::vector<std::int64_t> stamps;
    if (const int bad = readStamps(s, form, referenceYear, stamps)) {
        const Contact& c = s.ContactLog[bad];
        return {false, "Contact " + std::to_string(bad) +
                           " has a date or time that cannot be read (\"" + c.Date + " " + c.Time +
                           "\"); correct it and write the ADIF file again."};
    }
    const StationData& st = s.StationInfo;
    const bool phone = st.ContestMode == ModePhone;
    const std::string_view mode = phone ? "SSB" : "CW";
    const std::string_view contest = phone ? "ARRL-SS-SSB" : "ARRL-SS-CW";
    const std::string tail = sentTail(st);
    std::string sent;

    std::string text;
    text.reserve(static_cast<std::size_t>(s.RecCount + 1) * 256);
    text += "ARRL Sweepstakes log of " + st.MyCall + ", written by Vantor";
    text += LineEnd;
    field(text, "ADIF_VER", AdifVersion);
    field(text, "PROGRAMID", "Vantor");
    field(text, "PROGRAMVERSION", "2.5");
    text += "<EOH>";
    text += LineEnd;
    for (int i = 1; i <= s.RecCount; ++i) {
        const Contact& c = s.ContactLog[i];
        const std::int64_t at = stamps[static_cast<std::size_t>(i - 1)];
        field(text, "CALL", c.Call);
        field(text, "QSO_DATE", adifDate(toCivil(at).date));
        field(text, "TIME_ON", timeOn(at));
        field(text, "BAND", c.Bnd + "M");
        field(text, "MODE", mode);
        field(text, "CONTEST_ID", contest);
        field(text, "STX", c.NumSent);
        field(text, "SRX", c.Num);
        field(text, "PRECEDENCE", c.Pre);
        field(text, "CHECK", c.Ck);
        field(text, "ARRL_SECT", c.Sec);
        field(text, "STATION_CALLSIGN", st.MyCall);
        sent.assign(c.NumSent).append(tail);
        field(text, "STX_STRING", sent);
        text += "<EOR>";
        text += LineEnd;
    }
    out = std::move(text);
    return {};
}

ReportResult writeAdif(const std::string& path, const ContestState& state,
                       const ShortDateForm& form, int referenceYear) {
    std::string text;
    if (ReportResult r = adifText(state, form, referenceYear, text); !r.ok)
        return r;
    const IoResult written = replaceAtomically(path, text);
    if (!written)
        return {false, path + " could not be written (" + written.error + ")."};
    return {};
}

} // namespace vantor
