#include <string>
#include <vector>

#include "app/app.h"
#include "platform/host_os.h"
#include "platform/web_page.h"

int main(int argc, char** argv) {
  cw::UseCallersConsole();
  // The arguments as UTF-8, whatever the system's code page.
  std::vector<std::string> args = cw::Utf8Arguments(argc, argv);
  std::vector<char*> pointers;
  for (auto& a : args) pointers.push_back(a.data());
  pointers.push_back(nullptr);
  int status = cw::RunProgram(int(args.size()), pointers.data());
  cw::web_page::ProgramEnded(status);
  return status;
}
