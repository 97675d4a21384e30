#include "core/markbook/XmlStream.h"

#include <expat.h>

#include <climits>
#include <cstring>

namespace tq {

// Expat's user data: the parser (to stop it) and the handler.
struct XmlReading {
    XML_Parser parser;
    XmlHandler& handler;
    bool declaresDoctype = false;
    void stopIfAsked() const
    {
        if (!handler.stopReason().empty())
            XML_StopParser(parser, XML_FALSE);
    }
};

namespace {

constexpr char separator = '\n'; // no namespace name or local name holds a line break

XmlName splitName(const char* name)
{
    const std::string_view whole(name);
    const std::size_t at = whole.rfind(separator);
    if (at == std::string_view::npos)
        return {{}, whole};
    return {whole.substr(0, at), whole.substr(at + 1)};
}

XmlReading& readingOf(void* data) { return *static_cast<XmlReading*>(data); }

void onStart(void* data, const XML_Char* name, const XML_Char** attributes)
{
    XmlReading& r = readingOf(data);
    r.handler.start(splitName(name), XmlAttributes(attributes));
    r.stopIfAsked();
}
void onEnd(void* data, const XML_Char* name)
{
    XmlReading& r = readingOf(data);
    r.handler.end(splitName(name));
    r.stopIfAsked();
}
void onText(void* data, const XML_Char* text, int length)
{
    XmlReading& r = readingOf(data);
    r.handler.text(std::string_view(text, static_cast<std::size_t>(length)));
    r.stopIfAsked();
}
// A spreadsheet part has no document type; one that declares it (and with it entities that could
// expand without end) is not read.
void onDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int)
{
    XmlReading& r = readingOf(data);
    r.declaresDoctype = true;
    XML_StopParser(r.parser, XML_FALSE);
}

} // namespace

const char* XmlAttributes::find(std::string_view local) const { return find({}, local); }

const char* XmlAttributes::find(std::string_view ns, std::string_view local) const
{
    for (const char** p = pairs_; *p != nullptr; p += 2) {
        const XmlName name = splitName(p[0]);
        if (name.local == local && name.ns == ns)
            return p[1];
    }
    return nullptr;
}

const char* XmlAttributes::findIn(std::string_view nsEnding, std::string_view local) const
{
    for (const char** p = pairs_; *p != nullptr; p += 2) {
        const XmlName name = splitName(p[0]);
        if (name.local == local && !name.ns.empty() && name.ns.ends_with(nsEnding))
            return p[1];
    }
    return nullptr;
}

XmlStream::XmlStream(XmlHandler& handler)
    : parser_(XML_ParserCreateNS(nullptr, separator)), handler_(handler), reading_(new XmlReading{parser_, handler})
{
    XML_SetUserData(parser_, reading_.get());
    XML_SetElementHandler(parser_, onStart, onEnd);
    XML_SetCharacterDataHandler(parser_, onText);
    XML_SetStartDoctypeDeclHandler(parser_, onDoctype);
}

XmlStream::~XmlStream() { XML_ParserFree(parser_); }

bool XmlStream::feed(std::string_view piece, bool last)
{
    if (!error_.empty())
        return false;
    for (;;) {
        const std::size_t n = std::min<std::size_t>(piece.size(), INT_MAX);
        const bool final = last && n == piece.size();
        const XML_Status status = XML_Parse(parser_, piece.data(), static_cast<int>(n), final ? 1 : 0);
        if (!handler_.stopReason().empty()) {
            error_ = handler_.stopReason();
            return false;
        }
        if (reading_->declaresDoctype) {
            error_ = "it declares a document type";
            return false;
        }
        if (status != XML_STATUS_OK) {
            error_ = "line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ": " +
                     XML_ErrorString(XML_GetErrorCode(parser_));
            return false;
        }
        piece.remove_prefix(n);
        if (piece.empty())
            return true;
    }
}

} // namespace tq
