#include "suite/AppExec.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// How long a cancelled program may take to end before it is killed.
constexpr auto kBeendenFrist = std::chrono::milliseconds(2000);

bool IstDatei(const std::string& pfad) {
  struct stat info {};
  return ::stat(pfad.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void Schliessen(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

}  // namespace

TAppExec::~TAppExec() {
  if (Laeuft()) Abbrechen();
  PipeSchliessen();
}

void TAppExec::Clear() {
  if (Laeuft()) Abbrechen();
  PipeSchliessen();
  programm_.clear();
  parameter_.clear();
  verzeichnis_.clear();
  ergebnis_ = -1;
  abgebrochen_ = false;
  ausgabe_.clear();
  gelesen_ = 0;
  fehler_.clear();
}

std::string TAppExec::AufPfadSuchen(const std::string& name) {
  const char* pfad = std::getenv("PATH");
  if (pfad == nullptr || name.empty() || name.find('/') != std::string::npos) return {};
  std::string verzeichnisse(pfad);
  std::size_t anfang = 0;
  while (anfang <= verzeichnisse.size()) {
    std::size_t ende = verzeichnisse.find(':', anfang);
    if (ende == std::string::npos) ende = verzeichnisse.size();
    const std::string verzeichnis = verzeichnisse.substr(anfang, ende - anfang);
    if (!verzeichnis.empty()) {
      const std::string kandidat = verzeichnis + "/" + name;
      if (IstDatei(kandidat) && ::access(kandidat.c_str(), X_OK) == 0) return kandidat;
    }
    anfang = ende + 1;
  }
  return {};
}

std::optional<std::vector<std::string>> TAppExec::Startbefehl(const std::string& programm,
                                                              std::string& grund) {
  if (!IstDatei(programm)) {
    grund = "Das Programm \"" + programm + "\" wurde nicht gefunden.";
    return std::nullopt;
  }
  if (::access(programm.c_str(), X_OK) == 0) return std::vector<std::string>{programm};
  // A Windows program copied onto this system carries no execute permission.
  const std::string wine = AufPfadSuchen("wine");
  if (!wine.empty()) return std::vector<std::string>{wine, programm};
  grund = "Das Programm \"" + programm +
          "\" kann auf diesem System nicht gestartet werden: es ist nicht ausführbar, und "
          "\"wine\" ist nicht installiert.";
  return std::nullopt;
}

bool TAppExec::Starten() {
  if (Laeuft()) Abbrechen();
  PipeSchliessen();
  ergebnis_ = -1;
  abgebrochen_ = false;
  ausgabe_.clear();
  gelesen_ = 0;
  fehler_.clear();

  auto befehl = Startbefehl(programm_, fehler_);
  if (!befehl) return false;
  for (const auto& parameter : parameter_) befehl->push_back(parameter);
  // Everything the child needs is prepared here: after fork it may only make system calls.
  std::vector<char*> argv;
  for (auto& teil : *befehl) argv.push_back(teil.data());
  argv.push_back(nullptr);
  const std::string verzeichnis = verzeichnis_;

  int ausgabe[2];
  int status[2];
  if (::pipe2(ausgabe, O_CLOEXEC) != 0) {
    fehler_ = std::string("Das Programm konnte nicht gestartet werden: ") + std::strerror(errno);
    return false;
  }
  if (::pipe2(status, O_CLOEXEC) != 0) {
    fehler_ = std::string("Das Programm konnte nicht gestartet werden: ") + std::strerror(errno);
    ::close(ausgabe[0]);
    ::close(ausgabe[1]);
    return false;
  }
  const int nichts = ::open("/dev/null", O_RDONLY | O_CLOEXEC);

  const pid_t pid = ::fork();
  if (pid == 0) {
    // The child: its own process group, so that a cancel reaches whatever it starts.
    ::setpgid(0, 0);
    int fehler = 0;
    if (!verzeichnis.empty() && ::chdir(verzeichnis.c_str()) != 0) fehler = errno;
    if (fehler == 0 && nichts >= 0) ::dup2(nichts, STDIN_FILENO);
    if (fehler == 0) ::dup2(ausgabe[1], STDOUT_FILENO);
    if (fehler == 0) ::dup2(ausgabe[1], STDERR_FILENO);
    if (fehler == 0) {
      ::execv(argv[0], argv.data());
      fehler = errno;
    }
    // Tell the parent why; the status pipe closes on a successful exec.
    [[maybe_unused]] const auto n = ::write(status[1], &fehler, sizeof fehler);
    ::_exit(127);
  }
  if (nichts >= 0) ::close(nichts);
  ::close(ausgabe[1]);
  ::close(status[1]);
  if (pid < 0) {
    fehler_ = std::string("Das Programm konnte nicht gestartet werden: ") + std::strerror(errno);
    ::close(ausgabe[0]);
    ::close(status[0]);
    return false;
  }
  ::setpgid(pid, pid);  // also here: the parent may cancel before the child ran

  int fehler = 0;
  ssize_t n;
  do {
    n = ::read(status[0], &fehler, sizeof fehler);
  } while (n < 0 && errno == EINTR);
  ::close(status[0]);
  if (n == static_cast<ssize_t>(sizeof fehler)) {
    int ende = 0;
    while (::waitpid(pid, &ende, 0) < 0 && errno == EINTR) {
    }
    ::close(ausgabe[0]);
    fehler_ = "Das Programm \"" + programm_ + "\" konnte nicht gestartet werden" +
              (verzeichnis.empty() ? std::string() : " (Verzeichnis \"" + verzeichnis + "\")") +
              ": " + std::strerror(fehler);
    return false;
  }
  pid_ = pid;
  ausgabeFd_ = ausgabe[0];
  ::fcntl(ausgabeFd_, F_SETFL, ::fcntl(ausgabeFd_, F_GETFL) | O_NONBLOCK);
  return true;
}

void TAppExec::AusgabeLesen() {
  char puffer[4096];
  while (ausgabeFd_ >= 0) {
    const ssize_t n = ::read(ausgabeFd_, puffer, sizeof puffer);
    if (n > 0) {
      ausgabe_.append(puffer, static_cast<std::size_t>(n));
    } else if (n == 0) {
      PipeSchliessen();
    } else if (errno != EINTR) {
      return;  // nothing more for now
    }
  }
}

void TAppExec::Beendet(int status) {
  pid_ = -1;
  ergebnis_ = !abgebrochen_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  AusgabeLesen();
  // A process the program left behind may hold the pipe open: the program's end counts.
  PipeSchliessen();
}

bool TAppExec::Warten(int millisekunden) {
  if (!Laeuft()) return false;
  if (ausgabeFd_ >= 0) {
    pollfd fd{ausgabeFd_, POLLIN, 0};
    if (::poll(&fd, 1, millisekunden) > 0) AusgabeLesen();
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(millisekunden));
  }
  int status = 0;
  const pid_t fertig = ::waitpid(pid_, &status, WNOHANG);
  if (fertig == pid_) Beendet(status);
  return Laeuft();
}

void TAppExec::Abbrechen() {
  if (!Laeuft()) return;
  abgebrochen_ = true;
  ::kill(-pid_, SIGTERM);
  const auto frist = std::chrono::steady_clock::now() + kBeendenFrist;
  int status = 0;
  while (std::chrono::steady_clock::now() < frist) {
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
      ::kill(-pid_, SIGKILL);  // what it started goes with it
      Beendet(status);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ::kill(-pid_, SIGKILL);
  while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
  }
  Beendet(status);
}

std::string TAppExec::NeueAusgabe() {
  std::string neu = ausgabe_.substr(gelesen_);
  gelesen_ = ausgabe_.size();
  return neu;
}

int TAppExec::Ausfuehren(const std::function<bool()>& zwischendurch) {
  if (!Starten()) return -1;
  while (Warten(50)) {
    if (zwischendurch && !zwischendurch()) Abbrechen();
  }
  return ergebnis_;
}

void TAppExec::PipeSchliessen() { Schliessen(ausgabeFd_); }
