#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Calidra need.
# The one list of packages for the whole project; run.sh and test.sh call it.
set -euo pipefail

PACKAGES=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  # Qt 5: Core, Gui, Widgets, PrintSupport (qtbase), Charts, SerialPort, LinguistTools
  qtbase5-dev qtbase5-dev-tools libqt5charts5-dev libqt5serialport5-dev
  qttools5-dev qttools5-dev-tools
  # the skin's vector sources are rendered to PNG at build time
  libqt5svg5-dev
  # firmware packages, image buffers, recording, spreadsheets, hot-plug
  libquazip1-qt5-dev
  libopencv-core-dev libopencv-imgproc-dev libopencv-imgcodecs-dev
  libavcodec-dev libavformat-dev libavutil-dev
  # the recording tests read the files back with ffprobe; the benchmark encodes with ffmpeg beside us
  ffmpeg
  libxlsxwriter-dev
  libudev-dev
  # tests, benchmarks, fuzzing (clang's libFuzzer and sanitizer runtimes);
  # python3's zip writer makes the firmware packages of the tests and seeds
  python3
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  # screenshots under a virtual display, with fonts for both languages
  xvfb xauth fonts-wqy-microhei fonts-noto-cjk
  # the report tests read the PDF back (poppler), open the ".doc" in a word
  # processor and read the rendered BMP with an outside reader (netpbm)
  poppler-utils libreoffice-writer-nogui netpbm
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
