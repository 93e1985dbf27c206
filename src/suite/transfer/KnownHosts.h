// The suite's own known-hosts file for SFTP servers, in OpenSSH's format, so that a host
// key is trusted once on purpose ("saldix-suite connection trust") and checked ever after.
#pragma once

#include <string>
#include <string_view>

// $SALDIX_HOME/known_hosts.
std::string SuiteKnownHostsDatei();
// The host pattern OpenSSH writes: "host" for port 22, "[host]:port" otherwise.
std::string KnownHostsMuster(const std::string& host, int port);
// The key type named inside a public-key blob ("ssh-ed25519", ...); empty when malformed.
std::string HostKeyTyp(std::string_view blob);
// "SHA256:" and the unpadded Base64 of the blob's digest, as ssh-keygen -l prints it.
std::string HostKeyFingerprint(std::string_view blob);
// Stores blob as the key of host:port, replacing what the file held for that pattern.
// The file is rewritten under a temporary name and renamed, so a reader never sees half
// of it. Throws std::runtime_error naming the file when it cannot be written.
void KnownHostsEintragen(const std::string& datei, const std::string& host, int port,
                         std::string_view blob);
