// The views of the program's formats; one line per format folder under src/ui/formats.
#include "ui/FormatAnsichten.h"
#include "ui/formats/abacus/FibuExpAbacusView.h"
#include "ui/formats/datev/FibuExpDatevView.h"

void FormatAnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  datev::AnsichtenRegistrieren(ansichten);
  abacus::AnsichtenRegistrieren(ansichten);
}
