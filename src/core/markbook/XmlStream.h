#pragma once
// A streaming XML reader over expat, with namespaces resolved: each element's name comes as its
// namespace and its local name, whatever prefix the file gave it. The handler sees elements
// opening and closing and the text between them; it can stop the reading with a reason.
#include <memory>
#include <string>
#include <string_view>

typedef struct XML_ParserStruct* XML_Parser;

namespace tq {

struct XmlName {
    std::string_view ns; // empty for a name in no namespace
    std::string_view local;
};

// An element's attributes as expat gives them (pairs of namespaced name and value).
class XmlAttributes {
public:
    explicit XmlAttributes(const char** pairs) : pairs_(pairs) {}
    // The value of the attribute `local` in no namespace, or in namespace `ns`; nullptr if absent.
    const char* find(std::string_view local) const;
    const char* find(std::string_view ns, std::string_view local) const;
    // The value of the attribute `local` in a namespace whose name ends with `nsEnding`.
    const char* findIn(std::string_view nsEnding, std::string_view local) const;

private:
    const char** pairs_;
};

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void start(XmlName name, const XmlAttributes& attributes) = 0;
    virtual void end(XmlName name) = 0;
    virtual void text(std::string_view text) = 0;

    // Ends the reading: the stream's error() becomes `reason` as it is. The first reason counts.
    void stop(std::string reason)
    {
        if (stopReason_.empty())
            stopReason_ = std::move(reason);
    }
    const std::string& stopReason() const { return stopReason_; }

private:
    std::string stopReason_;
};

class XmlStream {
public:
    explicit XmlStream(XmlHandler& handler);
    ~XmlStream();
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;

    // Reads the next piece of the document (`last` for its end). False once the document is found
    // malformed or the handler stopped it; error() then says why, with the line.
    bool feed(std::string_view piece, bool last);
    const std::string& error() const { return error_; }

private:
    XML_Parser parser_;
    XmlHandler& handler_;
    std::unique_ptr<struct XmlReading> reading_;
    std::string error_;
};

} // namespace tq
