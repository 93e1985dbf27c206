// The views of the program's formats; one line per format folder under src/ui/formats.
#include "ui/FormatAnsichten.h"
#include "ui/formats/datev/FibuExpDatevView.h"
#include "ui/formats/his/FibuExpHISView.h"
#include "ui/formats/rza/FibuExpRZAView.h"

void FormatAnsichtenRegistrieren(TFormatAnsichten& ansichten) {
  datev::AnsichtenRegistrieren(ansichten);
  his::AnsichtenRegistrieren(ansichten);
  rza::AnsichtenRegistrieren(ansichten);
}
