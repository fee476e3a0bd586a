// The program: the entry routine run on the Qt platform. The command line is
// handed to the toolkit and means nothing to the program.
#include "platform/qt/application.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  return velmora::platform::qt::RunQtProgram(argc, argv, velmora::shell::EntryRoutine);
}
