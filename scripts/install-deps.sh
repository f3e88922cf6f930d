#!/bin/sh
# Installs what the native build and its tests need on Debian 12 (chromium: the
# pages are tested in a real browser, the log robot through its driver; the
# robot mails receipts with libcurl, tested against a local aiosmtpd).
set -eu
"$(dirname "$0")/install-packages.sh" cmake ninja-build g++ make googletest libgtest-dev \
  libbenchmark-dev clang-format binutils nlohmann-json3-dev dpkg-dev file \
  python3 chromium libcpp-httplib-dev libsqlite3-dev libssl-dev pkg-config chromium-driver \
  python3-selenium hamradio-files libcurl4-openssl-dev python3-aiosmtpd
