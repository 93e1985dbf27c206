// libcurl's process-wide initialisation, done once before the first handle of any
// component (FTP, SFTP, SMTP).
#pragma once

void CurlGlobal();
