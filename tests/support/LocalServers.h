// Real FTP, SFTP and SMTP servers on loopback for the transfer tests: pyftpdlib, OpenSSH's
// sshd and aiosmtpd, each started on a free port in a temporary directory and stopped again. A
// server that does not come up throws with the reason, so the test fails instead of skipping.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

// A child process with its output in a log file.
class ServerProcess {
 public:
  ~ServerProcess() { Stop(); }
  void Start(const std::vector<std::string>& argv, const std::filesystem::path& log);
  bool Running();
  // SIGTERM, then SIGKILL after a second.
  void Stop();
  // SIGKILL at once: the server vanishes in the middle of whatever it does.
  void Kill();
  std::string Log() const;

 private:
  pid_t pid_ = -1;
  std::filesystem::path log_;
};

struct FtpServerOptions {
  bool ohnePassiv = false;  // refuses PASV/EPSV: only active data connections work
  bool tls = false;         // explicit TLS required, with a self-signed certificate
};

class LocalFtpServer {
 public:
  using Options = FtpServerOptions;

  // Serves root to user/password on 127.0.0.1 (port 0: a free one).
  LocalFtpServer(std::filesystem::path work, std::filesystem::path root, std::string user,
                 std::string password, Options options = {}, int port = 0);
  int Port() const { return port_; }
  void Kill() { process_.Kill(); }
  void Stop() { process_.Stop(); }
  // Starts again on the same port.
  void Restart();
  // The self-signed certificate of a TLS server (PEM).
  std::string Certificate() const { return (work_ / "server.pem.crt").string(); }

 private:
  void Launch(int port);
  std::string Zertifikat() const;

  std::filesystem::path work_, root_;
  std::string user_, password_;
  Options options_;
  int port_ = 0;
  ServerProcess process_;
};

class LocalSshServer {
 public:
  // sshd for the current user with a throw-away host key and user key under work.
  explicit LocalSshServer(std::filesystem::path work);
  int Port() const { return port_; }
  std::string User() const { return user_; }
  std::string UserKey() const { return (work_ / "user_key").string(); }
  // Another key that the server does not accept.
  std::string ForeignKey() const { return (work_ / "foreign_key").string(); }
  // ssh-keygen's fingerprint of the host key ("SHA256:...").
  std::string HostKeyFingerprint() const;
  void Kill() { process_.Kill(); }

 private:
  std::filesystem::path work_;
  std::string user_;
  int port_ = 0;
  ServerProcess process_;
};

struct SmtpServerOptions {
  std::string user;  // non-empty: login (PLAIN/LOGIN) required with password
  std::string password;
  std::vector<std::string> refused;  // recipients answered with 550
  std::string tls;                   // "starttls" (required) or "tls" (implicit), self-signed
};

// One mail as the SMTP server received it, taken apart by Python's email package.
struct ReceivedMail {
  struct Attachment {
    std::string name, type, data;
  };
  std::string envelopeFrom;
  std::vector<std::string> envelopeTo;
  std::string raw;  // the message as it came over the wire (dot-stuffing undone)
  std::string from, to, subject, date, messageId;  // headers, decoded
  std::string body;                                // the text part, decoded
  std::vector<Attachment> attachments;
  std::string defects;  // what the parser found wrong with the message; empty when nothing
};

class LocalSmtpServer {
 public:
  using Options = SmtpServerOptions;

  // Listens on 127.0.0.1 and keeps every mail under work.
  explicit LocalSmtpServer(std::filesystem::path work, Options options = {});
  int Port() const { return port_; }
  void Stop() { process_.Stop(); }
  // The mails received so far, in order.
  std::vector<ReceivedMail> Mails() const;
  // The self-signed certificate of a TLS server (PEM).
  std::string Certificate() const { return (work_ / "smtp.pem.crt").string(); }

 private:
  std::filesystem::path work_;
  int port_ = 0;
  ServerProcess process_;
};

// A port on 127.0.0.1 that nothing listens on right now.
int FreePort();
// A self-signed certificate for 127.0.0.1: key and certificate in pem, the certificate
// alone in pem + ".crt".
void SelfSignedCertificate(const std::filesystem::path& pem);
// Runs a command line through the shell; its standard output, or throws with its output.
std::string RunCommand(const std::string& command);
