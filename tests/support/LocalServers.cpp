#include "support/LocalServers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr auto kStartZeit = std::chrono::seconds(15);

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Accepts(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<uint16_t>(port));
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
  close(fd);
  return ok;
}

// The first Python that has pyftpdlib (the Debian package installs it for /usr/bin/python3).
std::string PythonWithPyftpdlib() {
  for (const char* candidate : {"/usr/bin/python3", "python3"}) {
    const std::string check = std::string(candidate) + " -c 'import pyftpdlib' >/dev/null 2>&1";
    if (std::system(check.c_str()) == 0) return candidate;
  }
  throw std::runtime_error(
      "FTP-Testserver: kein Python mit pyftpdlib gefunden (scripts/install-deps.sh installiert "
      "python3-pyftpdlib)");
}

constexpr const char* kFtpScript = R"py(
import os, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

root, user, password, portfile, port, ohne_passiv, zertifikat = sys.argv[1:8]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")

if zertifikat:
    from pyftpdlib.handlers import TLS_FTPHandler as Basis
    Basis.certfile = zertifikat
    Basis.tls_control_required = True
else:
    Basis = FTPHandler

class Handler(Basis):
    pass

Handler.authorizer = authorizer
if ohne_passiv == "1":
    Handler.proto_cmds = {k: v for k, v in FTPHandler.proto_cmds.items()
                          if k not in ("PASV", "EPSV")}
server = FTPServer(("127.0.0.1", int(port)), Handler)
with open(portfile + ".tmp", "w") as f:
    f.write(str(server.socket.getsockname()[1]))
os.rename(portfile + ".tmp", portfile)
server.serve_forever()
)py";

}  // namespace

void ServerProcess::Start(const std::vector<std::string>& argv, const fs::path& log) {
  log_ = log;
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork fehlgeschlagen");
  if (pid == 0) {
    const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd >= 0) {
      dup2(fd, 1);
      dup2(fd, 2);
      close(fd);
    }
    const int null = open("/dev/null", O_RDONLY);
    if (null >= 0) dup2(null, 0);
    execvp(args[0], args.data());
    std::fprintf(stderr, "exec %s: %s\n", args[0], std::strerror(errno));
    _exit(127);
  }
  pid_ = pid;
}

bool ServerProcess::Running() {
  if (pid_ <= 0) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    pid_ = -1;
    return false;
  }
  return true;
}

void ServerProcess::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (!Running()) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  Kill();
}

void ServerProcess::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::string ServerProcess::Log() const { return ReadFile(log_); }

int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    throw std::runtime_error("kein freier Port auf 127.0.0.1");
  }
  socklen_t len = sizeof addr;
  getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  close(fd);
  return ntohs(addr.sin_port);
}

std::string RunCommand(const std::string& command) {
  FILE* pipe = popen(("(" + command + ") 2>&1").c_str(), "r");
  if (!pipe) throw std::runtime_error("kann nicht ausführen: " + command);
  std::string out;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
  const int status = pclose(pipe);
  if (status != 0) throw std::runtime_error(command + " scheiterte: " + out);
  return out;
}

LocalFtpServer::LocalFtpServer(fs::path work, fs::path root, std::string user, std::string password,
                               Options options, int port)
    : work_(std::move(work)),
      root_(std::move(root)),
      user_(std::move(user)),
      password_(std::move(password)),
      options_(options) {
  fs::create_directories(work_);
  fs::create_directories(root_);
  std::ofstream(work_ / "ftpserver.py") << kFtpScript;
  Launch(port);
}

void LocalFtpServer::Launch(int port) {
  const fs::path portFile = work_ / "ftp.port";
  fs::remove(portFile);
  process_.Start(
      {PythonWithPyftpdlib(), (work_ / "ftpserver.py").string(), root_.string(), user_, password_,
       portFile.string(), std::to_string(port), options_.ohnePassiv ? "1" : "0", Zertifikat()},
      work_ / "ftpserver.log");
  const auto ende = std::chrono::steady_clock::now() + kStartZeit;
  while (std::chrono::steady_clock::now() < ende) {
    if (fs::exists(portFile)) {
      port_ = std::stoi(ReadFile(portFile));
      return;
    }
    if (!process_.Running()) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const std::string log = process_.Log();
  process_.Kill();
  throw std::runtime_error("Der FTP-Testserver (pyftpdlib) startete nicht: " + log);
}

std::string LocalFtpServer::Zertifikat() const {
  if (!options_.tls) return {};
  const fs::path pem = work_ / "server.pem";
  if (!fs::exists(pem)) {
    RunCommand(
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 "
        "-addext subjectAltName=IP:127.0.0.1 -keyout '" +
        pem.string() + "' -out '" + pem.string() + ".crt' && cat '" + pem.string() + ".crt' >> '" +
        pem.string() + "'");
  }
  return pem.string();
}

void LocalFtpServer::Restart() {
  process_.Stop();
  Launch(port_);
}

LocalSshServer::LocalSshServer(fs::path work) : work_(std::move(work)) {
  fs::create_directories(work_);
  const passwd* pw = getpwuid(geteuid());
  if (!pw) throw std::runtime_error("SFTP-Testserver: unbekannter Benutzer");
  user_ = pw->pw_name;
  const std::string w = work_.string();
  for (const char* key : {"host_key", "user_key", "foreign_key"}) {
    RunCommand("ssh-keygen -q -t ed25519 -N '' -C saldix-test -f '" + w + "/" + key + "'");
  }
  fs::copy_file(work_ / "user_key.pub", work_ / "authorized_keys");
  // sshd started by root needs its privilege-separation directory.
  if (geteuid() == 0 && !fs::exists("/run/sshd")) fs::create_directories("/run/sshd");

  port_ = FreePort();
  std::ofstream(work_ / "sshd_config") << "Port " << port_ << "\n"
                                       << "ListenAddress 127.0.0.1\n"
                                       << "HostKey " << w << "/host_key\n"
                                       << "PidFile " << w << "/sshd.pid\n"
                                       << "AuthorizedKeysFile " << w << "/authorized_keys\n"
                                       << "PubkeyAuthentication yes\n"
                                       << "PasswordAuthentication no\n"
                                       << "KbdInteractiveAuthentication no\n"
                                       << "UsePAM no\n"
                                       << "StrictModes no\n"
                                       << "Subsystem sftp internal-sftp\n";
  const char* sshd = "/usr/sbin/sshd";
  if (!fs::exists(sshd)) {
    throw std::runtime_error(
        "SFTP-Testserver: /usr/sbin/sshd fehlt (scripts/install-deps.sh installiert "
        "openssh-server)");
  }
  process_.Start({sshd, "-D", "-e", "-f", w + "/sshd_config"}, work_ / "sshd.log");
  const auto ende = std::chrono::steady_clock::now() + kStartZeit;
  while (std::chrono::steady_clock::now() < ende) {
    if (!process_.Running()) break;
    if (Accepts(port_)) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const std::string log = process_.Log();
  process_.Kill();
  throw std::runtime_error("Der SFTP-Testserver (sshd) startete nicht: " + log);
}

std::string LocalSshServer::HostKeyFingerprint() const {
  // "256 SHA256:... comment (ED25519)"
  std::istringstream line(
      RunCommand("ssh-keygen -l -f '" + (work_ / "host_key.pub").string() + "'"));
  std::string bits, fingerprint;
  line >> bits >> fingerprint;
  return fingerprint;
}
