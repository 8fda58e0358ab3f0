#!/usr/bin/env bash
# Builds the Debian package from a finished build with CPack and checks it as
# a user meets it: its control fields and exact file list, lintian (no error
# or warning), the desktop entry and the AppStream metadata, and the program
# unpacked from it, started offscreen with a fresh home folder, drawing its
# first screen with no missing picture. Needs no root; a missing tool fails.
#   PackageTest.sh CPACK BUILD_DIR VERSION WORK_DIR
set -euo pipefail
cpack=$1 build=$2 version=$3 work=$4

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in dpkg dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

rm -rf "$work"
mkdir -p "$work"
cd "$work"

echo "== cpack"
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >cpack.log 2>&1 || { cat cpack.log; fail "cpack failed"; }
deb=$work/out/ostrel-controller_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || { ls "$work/out"; fail "no package named $(basename "$deb")"; }

echo "== control fields"
field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == ostrel-controller ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version), the project's is $version"
depends=$(field Depends)
# Libraries as dpkg-shlibdeps finds them in the program, and the platform plugins.
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libudev1 libusb-1.0-0 qt6-qpa-plugins; do
  [[ ", $depends," == *", $dependency "* || ", $depends," == *", $dependency,"* ]] ||
    fail "Depends lacks $dependency: $depends"
done

echo "== maintainer scripts"
mkdir control
dpkg-deb --control "$deb" control
[[ $(cd control && ls | sort | tr '\n' ' ') == "control md5sums postinst postrm " ]] ||
  fail "control members: $(ls control)"
for script in postinst postrm; do
  [[ -x control/$script ]] || fail "$script is not executable"
  sh -n "control/$script" || fail "$script is not valid sh"
  grep -q 'udevadm control --reload' "control/$script" || fail "$script does not reload the udev rules"
done

echo "== file list"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >files.txt
res=usr/share/ostrel-controller/res
# The pictures: every one the build drew, and nothing else.
grep "^$res/" files.txt >pictures.txt || true
(cd "$build/bin/res" && find . -type f | sed "s|^\.|$res|" | sort) >drawn.txt
diff drawn.txt pictures.txt >/dev/null || { diff drawn.txt pictures.txt | head -20; fail "the package's pictures differ from the build's"; }
# Everything else, exactly; the AppStream file is named after its component id.
metainfo=$(grep -E '^usr/share/metainfo/[^/]+\.metainfo\.xml$' files.txt || true)
[[ $(wc -w <<<"$metainfo") == 1 ]] || fail "expected one AppStream file, found: $metainfo"
icons=""
for size in 16 24 32 48 64 128 256; do icons+="usr/share/icons/hicolor/${size}x${size}/apps/ostrel-controller.png"$'\n'; done
sort >expected.txt <<EOF
usr/bin/ostrel-controller
usr/lib/udev/rules.d/70-ostrel-controller.rules
usr/share/applications/ostrel-controller.desktop
usr/share/doc/ostrel-controller/changelog.gz
usr/share/doc/ostrel-controller/copyright
usr/share/man/man1/ostrel-controller.1.gz
$metainfo
${icons%$'\n'}
EOF
grep -v "^$res/" files.txt >others.txt || true
diff expected.txt others.txt || fail "the package's files differ from the list above (< expected, > found)"

echo "== unpacked files"
dpkg-deb --extract "$deb" root
id=$(basename "$metainfo" .metainfo.xml)
grep -q "<id>$id</id>" "root/$metainfo" || fail "$metainfo does not hold the component id $id"
newest=$(grep -o -m1 '<release version="[^"]*"' "root/$metainfo" | cut -d'"' -f2)
[[ $newest == "$version" ]] || fail "the newest AppStream release is $newest, the package is $version"
changelog=$(gzip -dc root/usr/share/doc/ostrel-controller/changelog.gz | head -n1)
[[ $changelog == "ostrel-controller ($version) "* ]] || fail "the changelog begins: $changelog"
for modalias in 'usb:vE7C1p5A0Dd\*' 'usb:v0483pDF11d\*'; do
  grep -q "<modalias>$modalias</modalias>" "root/$metainfo" || fail "$metainfo does not provide $modalias"
done
desktop-file-validate root/usr/share/applications/ostrel-controller.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "root/$metainfo" || fail "appstreamcli validate"
# The metadata with the files it names: the desktop entry and the icon.
appstreamcli validate-tree --no-net root || fail "appstreamcli validate-tree"

echo "== lintian"
lintian --fail-on error,warning --display-info --pedantic "$deb" || fail "lintian reports an error or a warning"

echo "== the unpacked program starts offscreen"
# A first start in a fresh home folder whose data folder does not exist yet.
# Qt's own painting log (standard environment variables of the toolkit, not
# of the program) says when the main window's whole first frame has been
# painted and handed to the platform: once that line is written every picture
# of the first screen has been asked for, and a missing one has written its
# line to standard error. The program ends only through its Quit buttons, so
# the test ends it with SIGTERM.
home=$work/home
mkdir -p "$home" && mkdir -m 700 "$work/runtime"
painted='^qt qt\.widgets\.painting: Flushing QRegion\(0,0 1280x720\) of ostrel::MainWindow\('
env HOME="$home" XDG_DATA_HOME="$home/.local/share" XDG_CONFIG_HOME="$home/.config" \
    XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
    QT_MESSAGE_PATTERN="qt %{category}: %{message}" \
    root/usr/bin/ostrel-controller >stdout.txt 2>stderr.txt &
pid=$!
for ((tenths = 0; ; ++tenths)); do
  grep -qE "$painted" stderr.txt && break
  if grep -q '^qt qt\.widgets\.painting: Flushing .* of QMessageBox' stderr.txt; then
    kill -KILL "$pid"
    grep -v '^qt ' stderr.txt >&2 || true
    fail "the program shows a message box before its first screen"
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" && status=0 || status=$?
    cat stderr.txt >&2
    fail "the program ended with $status before drawing its first screen"
  fi
  if ((tenths == 1200)); then
    kill -KILL "$pid"
    grep -v '^qt ' stderr.txt >&2 || true
    fail "no first frame within 120 s"
  fi
  sleep 0.1
done
kill -TERM "$pid"
wait "$pid" && status=0 || status=$?
((status == 128 + 15)) || fail "the program ended with $status rather than by SIGTERM"
if grep '^Missing picture: ' stderr.txt >&2; then fail "pictures missing"; fi
if grep -v '^qt qt\.widgets\.painting: ' stderr.txt >&2; then fail "the program wrote the lines above to standard error"; fi
[[ ! -s stdout.txt ]] || { cat stdout.txt; fail "the program wrote to standard output"; }
for folder in Myprofile Keltoprofile Downloadprofile Version; do
  [[ -d $home/.local/share/ostrel-controller/$folder ]] || fail "no $folder in the user's data folder"
done

cd / && rm -rf "$work"
echo "package $(basename "$deb") as expected"
