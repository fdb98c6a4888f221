#include "roster_workbook/xml_stream.h"

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>

#include "roster_workbook/workbook_errors.h"

namespace beditor::roster {
namespace {

constexpr char kNamespaceSeparator = '|';

std::string_view LocalName(const char* name) {
  const char* separator = std::strrchr(name, kNamespaceSeparator);
  return separator ? separator + 1 : name;
}

// What the callbacks share: the handler, and an exception of its to be thrown again once
// expat has returned (an exception must not pass through expat's C frames).
struct Callbacks {
  XML_Parser parser;
  XmlHandler& handler;
  std::exception_ptr failure;
  bool declaresEntity = false;
};

template <typename Body>
void Guarded(void* data, Body body) {
  auto& callbacks = *static_cast<Callbacks*>(data);
  try {
    body(callbacks.handler);
  } catch (...) {
    callbacks.failure = std::current_exception();
    XML_StopParser(callbacks.parser, XML_FALSE);
  }
}

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  // Attributes without their namespace: "r:id" is "id".
  for (const XML_Char** attribute = attributes; *attribute; attribute += 2) *attribute = LocalName(*attribute).data();
  Guarded(data, [&](XmlHandler& handler) { handler.Start(LocalName(name), attributes); });
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
  Guarded(data, [&](XmlHandler& handler) { handler.End(LocalName(name)); });
}

void XMLCALL OnText(void* data, const XML_Char* text, int size) {
  Guarded(data, [&](XmlHandler& handler) { handler.Text(std::string_view(text, static_cast<std::size_t>(size))); });
}

// A workbook declares no entities; one that does is refused before they are expanded.
void XMLCALL OnEntity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*, const XML_Char*,
                      const XML_Char*, const XML_Char*) {
  auto& callbacks = *static_cast<Callbacks*>(data);
  callbacks.declaresEntity = true;
  XML_StopParser(callbacks.parser, XML_FALSE);
}

}  // namespace

std::string_view Attribute(const char** attributes, std::string_view name) {
  for (; *attributes; attributes += 2)
    if (name == attributes[0]) return attributes[1];
  return {};
}

XmlStream::XmlStream(XmlHandler& handler, std::string part) : handler_(handler), part_(std::move(part)) {
  XML_Parser parser = XML_ParserCreateNS("UTF-8", kNamespaceSeparator);
  if (!parser) throw std::bad_alloc();
  parser_ = parser;
  XML_SetUserData(parser, new Callbacks{parser, handler_, nullptr});
  XML_SetElementHandler(parser, OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser, OnText);
  XML_SetEntityDeclHandler(parser, OnEntity);
}

XmlStream::~XmlStream() {
  auto parser = static_cast<XML_Parser>(parser_);
  delete static_cast<Callbacks*>(XML_GetUserData(parser));
  XML_ParserFree(parser);
}

void XmlStream::Parse(const char* data, int size, bool last) {
  auto parser = static_cast<XML_Parser>(parser_);
  auto& callbacks = *static_cast<Callbacks*>(XML_GetUserData(parser));
  if (XML_Parse(parser, data, size, last ? XML_TRUE : XML_FALSE) == XML_STATUS_OK) return;
  if (callbacks.failure) std::rethrow_exception(callbacks.failure);
  if (callbacks.declaresEntity) throw WorkbookReadError("damaged workbook: its part " + part_ + " declares entities");
  throw WorkbookReadError("damaged workbook: its part " + part_ + ", line " +
                          std::to_string(XML_GetCurrentLineNumber(parser)) + ": " +
                          XML_ErrorString(XML_GetErrorCode(parser)));
}

void XmlStream::Feed(std::string_view block) {
  constexpr std::size_t kLargest = std::numeric_limits<int>::max() / 2;  // expat takes an int
  for (std::size_t at = 0; at < block.size(); at += kLargest) {
    const std::size_t size = std::min(kLargest, block.size() - at);
    Parse(block.data() + at, static_cast<int>(size), false);
  }
}

void XmlStream::Finish() { Parse(nullptr, 0, true); }

}  // namespace beditor::roster
