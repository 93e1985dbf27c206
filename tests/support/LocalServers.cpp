#include "support/LocalServers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

// The first Python that has the module (the Debian packages install for /usr/bin/python3).
std::string PythonWith(const std::string& module, const std::string& server,
                       const std::string& package) {
  for (const char* candidate : {"/usr/bin/python3", "python3"}) {
    const std::string check =
        std::string(candidate) + " -c 'import " + module + "' >/dev/null 2>&1";
    if (std::system(check.c_str()) == 0) return candidate;
  }
  throw std::runtime_error(server + ": kein Python mit " + module +
                           " gefunden (scripts/install-deps.sh installiert " + package + ")");
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

// Every mail goes into a directory of its own, written under a temporary name first:
// the envelope, the raw message and what Python's email package makes of it.
constexpr const char* kSmtpScript = R"py(
import os, signal, sys, time
import email, email.policy
from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult, LoginPassword

maildir, portfile, port, user, password, refused, tls, pem = sys.argv[1:9]
refused = {a.lower() for a in refused.split(",") if a}
count = [0]

def write(path, data):
    with open(path, "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))

class Handler:
    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.lower() in refused:
            return "550 5.1.1 <%s>: Recipient address rejected" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        count[0] += 1
        tmp = os.path.join(maildir, ".mail%d" % count[0])
        os.makedirs(tmp)
        write(os.path.join(tmp, "envelope_from"), envelope.mail_from)
        write(os.path.join(tmp, "envelope_to"), "\n".join(envelope.rcpt_tos))
        write(os.path.join(tmp, "raw"), envelope.original_content)
        msg = email.message_from_bytes(envelope.original_content, policy=email.policy.default)
        defects = [repr(d) for d in msg.defects]
        for name in ("from", "to", "subject", "date", "message-id"):
            write(os.path.join(tmp, "h_" + name), str(msg.get(name, "")))
        body = msg.get_body(preferencelist=("plain",))
        write(os.path.join(tmp, "body"), body.get_content() if body is not None else "")
        for i, part in enumerate(msg.iter_attachments()):
            defects += [repr(d) for d in part.defects]
            write(os.path.join(tmp, "a%d_name" % i), part.get_filename() or "")
            write(os.path.join(tmp, "a%d_type" % i), part.get("content-type", ""))
            write(os.path.join(tmp, "a%d_data" % i), part.get_payload(decode=True))
        write(os.path.join(tmp, "defects"), "\n".join(defects))
        os.rename(tmp, os.path.join(maildir, "mail%04d" % count[0]))
        return "250 Message accepted"

def authenticator(server, session, envelope, mechanism, auth_data):
    ok = (isinstance(auth_data, LoginPassword) and auth_data.login.decode() == user
          and auth_data.password.decode() == password)
    return AuthResult(success=ok, handled=False)

kwargs = {}
if user:
    kwargs = dict(authenticator=authenticator, auth_require_tls=False, auth_required=True)
if tls:
    import ssl
    context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    context.load_cert_chain(pem)
    if tls == "starttls":
        kwargs.update(tls_context=context, require_starttls=True)
    else:
        kwargs.update(ssl_context=context)
controller = Controller(Handler(), hostname="127.0.0.1", port=int(port), **kwargs)
controller.start()
with open(portfile + ".tmp", "w") as f:
    f.write(port)
os.rename(portfile + ".tmp", portfile)
signal.signal(signal.SIGTERM, lambda *a: (controller.stop(), sys.exit(0)))
while True:
    time.sleep(3600)
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

void SelfSignedCertificate(const fs::path& pem) {
  // Key and certificate in pem, the certificate alone in pem + ".crt" for the client.
  RunCommand(
      "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 "
      "-addext subjectAltName=IP:127.0.0.1 -keyout '" +
      pem.string() + "' -out '" + pem.string() + ".crt' && cat '" + pem.string() + ".crt' >> '" +
      pem.string() + "'");
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
      {PythonWith("pyftpdlib", "FTP-Testserver", "python3-pyftpdlib"),
       (work_ / "ftpserver.py").string(), root_.string(), user_, password_, portFile.string(),
       std::to_string(port), options_.ohnePassiv ? "1" : "0", Zertifikat()},
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
  if (!fs::exists(pem)) SelfSignedCertificate(pem);
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

LocalSmtpServer::LocalSmtpServer(fs::path work, Options options) : work_(std::move(work)) {
  fs::create_directories(work_ / "mails");
  std::ofstream(work_ / "smtpserver.py") << kSmtpScript;
  std::string refused;
  for (const auto& r : options.refused) refused += (refused.empty() ? "" : ",") + r;
  const fs::path portFile = work_ / "smtp.port";
  const fs::path pem = work_ / "smtp.pem";
  if (!options.tls.empty()) SelfSignedCertificate(pem);
  port_ = FreePort();
  process_.Start({PythonWith("aiosmtpd", "SMTP-Testserver", "python3-aiosmtpd"),
                  (work_ / "smtpserver.py").string(), (work_ / "mails").string(), portFile.string(),
                  std::to_string(port_), options.user, options.password, refused,
                  options.tls, pem.string()},
                 work_ / "smtpserver.log");
  const auto ende = std::chrono::steady_clock::now() + kStartZeit;
  while (std::chrono::steady_clock::now() < ende) {
    if (fs::exists(portFile) && Accepts(port_)) return;
    if (!process_.Running()) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const std::string log = process_.Log();
  process_.Kill();
  throw std::runtime_error("Der SMTP-Testserver (aiosmtpd) startete nicht: " + log);
}

std::vector<ReceivedMail> LocalSmtpServer::Mails() const {
  std::vector<fs::path> dirs;
  for (const auto& entry : fs::directory_iterator(work_ / "mails")) {
    if (entry.path().filename().string().rfind("mail", 0) == 0) dirs.push_back(entry.path());
  }
  std::sort(dirs.begin(), dirs.end());
  std::vector<ReceivedMail> mails;
  for (const auto& d : dirs) {
    ReceivedMail m;
    m.envelopeFrom = ReadFile(d / "envelope_from");
    std::istringstream to(ReadFile(d / "envelope_to"));
    for (std::string line; std::getline(to, line);) m.envelopeTo.push_back(line);
    m.raw = ReadFile(d / "raw");
    m.from = ReadFile(d / "h_from");
    m.to = ReadFile(d / "h_to");
    m.subject = ReadFile(d / "h_subject");
    m.date = ReadFile(d / "h_date");
    m.messageId = ReadFile(d / "h_message-id");
    m.body = ReadFile(d / "body");
    for (int i = 0; fs::exists(d / ("a" + std::to_string(i) + "_name")); ++i) {
      const std::string a = "a" + std::to_string(i) + "_";
      m.attachments.push_back(
          {ReadFile(d / (a + "name")), ReadFile(d / (a + "type")), ReadFile(d / (a + "data"))});
    }
    m.defects = ReadFile(d / "defects");
    mails.push_back(std::move(m));
  }
  return mails;
}
