#pragma once
// The compiled translations of our own texts, built into the program from
// resources/translations/*.ts (cmake/embed_translations.cmake writes the data).
#include <vector>

namespace beditor {

struct EmbeddedTranslation {
  const char* language;  // "es", as the .ts file's name ends
  const unsigned char* data;
  int size;
};

const std::vector<EmbeddedTranslation>& EmbeddedTranslations();

}  // namespace beditor
