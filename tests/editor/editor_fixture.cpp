#include "editor_fixture.h"

namespace beditor::test {

std::vector<std::string> SampleFighter() {
  return {"12", "11", "10", "9", "8", "7", "6", "5", "4", "3", "2", "13", "14", "15", "16", "17", "18",
          "Ana de Souza", "Ana", "2", "1", "170 cm", "61 kg", "19", "Brasil", "1990-05-04", "12345",
          "2", "1", "0", "0", "Red Corner", "1", "3", "0", ""};
}

}  // namespace beditor::test
