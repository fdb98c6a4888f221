#pragma once
// An XML part of a workbook, parsed by expat as its blocks are unpacked. Element and
// attribute names are handed over without their namespace: the parts this program reads
// use each name once.
#include <functional>
#include <string>
#include <string_view>

namespace beditor::roster {

class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  // `attributes`: name, value, name, value …, ending in a null pointer (expat's own form).
  virtual void Start(std::string_view element, const char** attributes) = 0;
  virtual void End(std::string_view element) = 0;
  virtual void Text(std::string_view text) = 0;
};

// The attribute's value, or an empty one.
std::string_view Attribute(const char** attributes, std::string_view name);

class XmlStream {
 public:
  // `part` names the part in messages.
  XmlStream(XmlHandler& handler, std::string part);
  ~XmlStream();
  XmlStream(const XmlStream&) = delete;
  XmlStream& operator=(const XmlStream&) = delete;

  // Throws WorkbookReadError when the XML is not well formed or declares entities; an
  // exception of the handler's comes through.
  void Feed(std::string_view block);
  void Finish();

 private:
  void Parse(const char* data, int size, bool last);

  void* parser_;
  XmlHandler& handler_;
  std::string part_;
};

}  // namespace beditor::roster
