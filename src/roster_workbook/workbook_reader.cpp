#include "roster_workbook/workbook_reader.h"

#include <charconv>
#include <cmath>
#include <map>
#include <optional>

#include "roster_workbook/number_formats.h"
#include "roster_workbook/xml_stream.h"
#include "roster_workbook/zip_archive.h"

namespace beditor::roster {
namespace {

// What each part may unpack to: far more than a roster of tens of thousands of fighters
// needs, and little enough that reading it is harmless.
constexpr std::size_t kLargestSheet = 256 * 1024 * 1024;
constexpr std::size_t kLargestSharedStrings = 64 * 1024 * 1024;
constexpr std::size_t kLargestStyles = 16 * 1024 * 1024;
constexpr std::size_t kLargestSmallPart = 4 * 1024 * 1024;  // the relationships and the workbook
// A shared string may stand in many cells: the texts the cells get are counted too.
constexpr std::size_t kLargestCellCount = 4 * 1000 * 1000;
constexpr std::size_t kLargestTextTotal = 256 * 1024 * 1024;
// A spreadsheet's own limits.
constexpr std::size_t kColumnLimit = 16384;
constexpr int kRowLimit = 1048576;

[[noreturn]] void Damaged(const std::string& what) { throw WorkbookReadError("damaged workbook: " + what); }

void ReadPart(ZipArchive& zip, const std::string& name, std::size_t limit, XmlHandler& handler) {
  XmlStream xml(handler, name);
  zip.Read(name, limit, [&xml](std::string_view block) { xml.Feed(block); });
  xml.Finish();
}

// "_x000D_" stands for a character that XML cannot hold as it is; "_x005F_" for "_".
void DecodeEscapes(std::string& text) {
  if (text.find("_x") == std::string::npos) return;
  const auto hex = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.size() - i >= 7 && text[i] == '_' && text[i + 1] == 'x' && text[i + 6] == '_') {
      int code = 0;
      bool valid = true;
      for (std::size_t k = 2; k < 6; ++k) {
        const int digit = hex(text[i + k]);
        valid = valid && digit >= 0;
        code = code * 16 + digit;
      }
      if (valid && (code < 0xD800 || code > 0xDFFF)) {
        if (code < 0x80) {
          decoded += static_cast<char>(code);
        } else if (code < 0x800) {
          decoded += static_cast<char>(0xC0 | (code >> 6));
          decoded += static_cast<char>(0x80 | (code & 0x3F));
        } else {
          decoded += static_cast<char>(0xE0 | (code >> 12));
          decoded += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
          decoded += static_cast<char>(0x80 | (code & 0x3F));
        }
        i += 6;
        continue;
      }
    }
    decoded += text[i];
  }
  text = std::move(decoded);
}

// An integral number as its digits ("7" for "7", "7.0" or "7E0"); any other as written.
std::string NumberText(std::string_view value) {
  double number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error == std::errc() && end == value.data() + value.size() && std::isfinite(number) &&
      std::fabs(number) < 1e15 && number == std::trunc(number)) {
    char digits[24];
    const auto last = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(number)).ptr;
    return std::string(digits, last);
  }
  return std::string(value);
}

std::optional<long long> Whole(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

struct Relationship {
  std::string id, type, target;
};

class RelationshipsReader : public XmlHandler {
 public:
  std::vector<Relationship> relationships;

  void Start(std::string_view element, const char** attributes) override {
    if (element == "Relationship")
      relationships.push_back({std::string(Attribute(attributes, "Id")), std::string(Attribute(attributes, "Type")),
                               std::string(Attribute(attributes, "Target"))});
  }
  void End(std::string_view) override {}
  void Text(std::string_view) override {}

  // The target of the first relationship of that type (its name's last part, as the
  // transitional and the strict forms differ in the rest).
  std::string TargetOfType(std::string_view type) const {
    for (const Relationship& relationship : relationships) {
      const std::string_view name(relationship.type);
      if (name.size() > type.size() && name.ends_with(type) && name[name.size() - type.size() - 1] == '/')
        return relationship.target;
    }
    return {};
  }
  std::string TargetOfId(std::string_view id) const {
    for (const Relationship& relationship : relationships)
      if (relationship.id == id) return relationship.target;
    return {};
  }
};

class FirstSheetReader : public XmlHandler {
 public:
  std::string relationship;  // the first sheet's

  void Start(std::string_view element, const char** attributes) override {
    if (element == "sheet" && relationship.empty()) relationship = Attribute(attributes, "id");
  }
  void End(std::string_view) override {}
  void Text(std::string_view) override {}
};

class StylesReader : public XmlHandler {
 public:
  // By cell style number: whether its number format shows a date or a time.
  std::vector<bool> DateStyles() const {
    std::vector<bool> dates;
    for (int format : xfFormats_) {
      const auto own = dateCodes_.find(format);
      dates.push_back(own != dateCodes_.end() ? own->second : IsBuiltInDateFormat(format));
    }
    return dates;
  }

  void Start(std::string_view element, const char** attributes) override {
    if (element == "numFmt") {
      const auto id = Whole(Attribute(attributes, "numFmtId"));
      if (id) dateCodes_[static_cast<int>(*id)] = IsDateFormatCode(Attribute(attributes, "formatCode"));
    } else if (element == "cellXfs") {
      inCellXfs_ = true;
    } else if (element == "xf" && inCellXfs_) {
      xfFormats_.push_back(static_cast<int>(Whole(Attribute(attributes, "numFmtId")).value_or(0)));
    }
  }
  void End(std::string_view element) override {
    if (element == "cellXfs") inCellXfs_ = false;
  }
  void Text(std::string_view) override {}

 private:
  std::map<int, bool> dateCodes_;
  std::vector<int> xfFormats_;
  bool inCellXfs_ = false;
};

// A string item's text: its <t> elements', its runs' included, its phonetic guides' left out.
class StringItemText {
 public:
  void Start(std::string_view element) {
    if (element == "rPh") ++phonetic_;
    if (element == "t" && phonetic_ == 0) inText_ = true;
  }
  void End(std::string_view element) {
    if (element == "rPh") --phonetic_;
    if (element == "t") inText_ = false;
  }
  void Text(std::string_view text) {
    if (inText_) text_ += text;
  }
  std::string Take() {
    DecodeEscapes(text_);
    std::string text = std::move(text_);
    text_.clear();
    return text;
  }

 private:
  std::string text_;
  int phonetic_ = 0;
  bool inText_ = false;
};

class SharedStringsReader : public XmlHandler {
 public:
  std::vector<std::string> strings;

  void Start(std::string_view element, const char**) override {
    if (element == "si") inItem_ = true;
    if (inItem_) item_.Start(element);
  }
  void End(std::string_view element) override {
    if (!inItem_) return;
    item_.End(element);
    if (element == "si") {
      strings.push_back(item_.Take());
      inItem_ = false;
    }
  }
  void Text(std::string_view text) override {
    if (inItem_) item_.Text(text);
  }

 private:
  StringItemText item_;
  bool inItem_ = false;
};

class SheetReader : public XmlHandler {
 public:
  SheetReader(const std::vector<std::string>& strings, const std::vector<bool>& dateStyles)
      : strings_(strings), dateStyles_(dateStyles) {}

  WorkbookSheet sheet;

  void Start(std::string_view element, const char** attributes) override {
    if (element == "sheetData") {
      inData_ = true;
    } else if (!inData_) {
      return;
    } else if (element == "row") {
      StartRow(attributes);
    } else if (element == "c") {
      StartCell(attributes);
    } else if (inCell_) {
      if (element == "f") cell_.formula = true;
      if (element == "v") inValue_ = true;
      if (element == "is") inInline_ = true;
      if (inInline_) inline_.Start(element);
    }
  }

  void End(std::string_view element) override {
    if (element == "sheetData") inData_ = false;
    if (!inCell_) return;
    if (inInline_) inline_.End(element);
    if (element == "v") inValue_ = false;
    if (element == "is") {
      inInline_ = false;
      hasValue_ = true;
      value_ = inline_.Take();
    }
    if (element == "c") EndCell();
  }

  void Text(std::string_view text) override {
    if (inValue_) value_ += text;
    if (inInline_) inline_.Text(text);
  }

 private:
  void StartRow(const char** attributes) {
    const int previous = sheet.rows.empty() ? 0 : sheet.rows.back().row;
    const std::string_view number = Attribute(attributes, "r");
    const auto row = number.empty() ? std::optional<long long>(previous + 1) : Whole(number);
    if (!row || *row <= previous || *row > kRowLimit) Damaged("its rows are out of order or numbered wrongly");
    sheet.rows.push_back({static_cast<int>(*row), {}});
    nextColumn_ = 0;
  }

  void StartCell(const char** attributes) {
    if (sheet.rows.empty()) Damaged("a cell outside a row");
    cell_ = WorkbookCell();
    cell_.column = ColumnOf(Attribute(attributes, "r"));
    nextColumn_ = cell_.column + 1;
    type_ = Attribute(attributes, "t");
    const auto style = Whole(Attribute(attributes, "s"));
    dateStyle_ = style && *style >= 0 && static_cast<std::size_t>(*style) < dateStyles_.size() &&
                 dateStyles_[static_cast<std::size_t>(*style)];
    value_.clear();
    hasValue_ = false;
    inCell_ = true;
  }

  // The column of a reference such as "AB12"; without one, the cell after the last.
  std::size_t ColumnOf(std::string_view reference) const {
    if (reference.empty()) return nextColumn_;
    std::size_t column = 0;
    std::size_t letters = 0;
    while (letters < reference.size() && reference[letters] >= 'A' && reference[letters] <= 'Z' && letters < 3)
      column = column * 26 + static_cast<std::size_t>(reference[letters++] - 'A' + 1);
    if (letters == 0 || column > kColumnLimit || !Whole(reference.substr(letters)))
      Damaged("a cell named \"" + std::string(reference) + "\"");
    const std::size_t index = column - 1;
    const auto& cells = sheet.rows.back().cells;
    if (!cells.empty() && cells.back().column >= index) Damaged("the cells of a row are out of order");
    return index;
  }

  void EndCell() {
    inCell_ = false;
    inValue_ = false;
    hasValue_ = hasValue_ || !value_.empty() || type_ == "str";
    if (type_ == "inlineStr") {
      cell_.text = std::move(value_);
    } else if (type_ == "s") {
      const auto index = Whole(value_);
      if (!index || *index < 0 || static_cast<std::size_t>(*index) >= strings_.size())
        Damaged("a cell names a shared text that is not there");
      cell_.text = strings_[static_cast<std::size_t>(*index)];
    } else if (type_ == "str") {
      DecodeEscapes(value_);
      cell_.text = std::move(value_);
    } else if (type_ == "b") {
      cell_.text = value_ == "1" ? "TRUE" : "FALSE";
    } else if (type_ == "e") {
      cell_.kind = WorkbookCell::Kind::Error;
      cell_.text = std::move(value_);
    } else if (type_ == "d") {
      cell_.kind = WorkbookCell::Kind::Date;
      cell_.text = std::move(value_);
    } else if (!value_.empty()) {
      cell_.kind = dateStyle_ ? WorkbookCell::Kind::Date : WorkbookCell::Kind::Number;
      cell_.text = NumberText(value_);
    }
    if (cell_.formula && !hasValue_) cell_.kind = WorkbookCell::Kind::NoValue;
    if (cell_.text.empty() && cell_.kind == WorkbookCell::Kind::Text && !cell_.formula) return;  // a styled blank
    if (++cellCount_ > kLargestCellCount || (textTotal_ += cell_.text.size()) > kLargestTextTotal)
      throw WorkbookReadError("the workbook's sheet holds far more than a roster");
    sheet.rows.back().cells.push_back(std::move(cell_));
  }

  const std::vector<std::string>& strings_;
  const std::vector<bool>& dateStyles_;
  WorkbookCell cell_;
  StringItemText inline_;
  std::string value_;
  std::string type_;
  std::size_t nextColumn_ = 0;
  std::size_t cellCount_ = 0;
  std::size_t textTotal_ = 0;
  bool dateStyle_ = false;
  bool hasValue_ = false;
  bool inData_ = false;
  bool inCell_ = false;
  bool inValue_ = false;
  bool inInline_ = false;
};

// A relationship's target as a part name: relative to the folder of the part that names it,
// or from the archive's root where it begins with "/".
std::string PartName(std::string_view from, std::string_view target) {
  std::vector<std::string_view> segments;
  const auto add = [&segments](std::string_view path) {
    while (!path.empty()) {
      const std::size_t slash = path.find('/');
      const std::string_view segment = path.substr(0, slash);
      if (segment == "..") {
        if (!segments.empty()) segments.pop_back();
      } else if (!segment.empty() && segment != ".") {
        segments.push_back(segment);
      }
      path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    }
  };
  if (!target.starts_with('/')) add(from.substr(0, from.rfind('/') == std::string_view::npos ? 0 : from.rfind('/')));
  add(target);
  std::string name;
  for (const std::string_view segment : segments) name += (name.empty() ? "" : "/") + std::string(segment);
  return name;
}

// Where the relationships of a part are: "xl/workbook.xml" has "xl/_rels/workbook.xml.rels".
std::string RelationshipsOf(std::string_view part) {
  const std::size_t slash = part.rfind('/');
  const std::size_t name = slash == std::string_view::npos ? 0 : slash + 1;
  return std::string(part.substr(0, name)) + "_rels/" + std::string(part.substr(name)) + ".rels";
}

}  // namespace

WorkbookSheet ReadFirstSheet(std::string_view workbookBytes) {
  if (workbookBytes.size() > kLargestWorkbookFile)
    throw WorkbookReadError("the file is larger than " + std::to_string(kLargestWorkbookFile / (1024 * 1024)) +
                            " MB, far more than a roster");
  ZipArchive zip(workbookBytes);
  if (!zip.Has("[Content_Types].xml")) throw WorkbookReadError("not a workbook (.xlsx): a zip archive of other files");

  RelationshipsReader package;
  ReadPart(zip, "_rels/.rels", kLargestSmallPart, package);
  std::string workbookPart = PartName("", package.TargetOfType("officeDocument"));
  if (workbookPart.empty()) throw WorkbookReadError("not a workbook (.xlsx): it names no main part");

  FirstSheetReader workbook;
  ReadPart(zip, workbookPart, kLargestSmallPart, workbook);
  RelationshipsReader parts;
  ReadPart(zip, RelationshipsOf(workbookPart), kLargestSmallPart, parts);
  const std::string sheetTarget = parts.TargetOfId(workbook.relationship);
  if (workbook.relationship.empty() || sheetTarget.empty()) throw WorkbookReadError("the workbook has no sheet");

  SharedStringsReader strings;
  if (const std::string target = parts.TargetOfType("sharedStrings"); !target.empty())
    ReadPart(zip, PartName(workbookPart, target), kLargestSharedStrings, strings);
  StylesReader styles;
  if (const std::string target = parts.TargetOfType("styles"); !target.empty())
    ReadPart(zip, PartName(workbookPart, target), kLargestStyles, styles);
  const std::vector<bool> dateStyles = styles.DateStyles();

  SheetReader sheet(strings.strings, dateStyles);
  ReadPart(zip, PartName(workbookPart, sheetTarget), kLargestSheet, sheet);
  std::erase_if(sheet.sheet.rows, [](const WorkbookRow& row) { return row.cells.empty(); });
  return std::move(sheet.sheet);
}

}  // namespace beditor::roster
