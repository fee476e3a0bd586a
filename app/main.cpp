// The program: the entry routine run on the Qt platform. The command line
// means nothing to the program, nor to the toolkit.
#include "platform/qt/application.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  return velmora::platform::qt::RunQtProgram(argc, argv, velmora::shell::EntryRoutine);
}
