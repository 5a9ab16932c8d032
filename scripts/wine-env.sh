# Wine's settings for this checkout (sourced by setup.sh and wine-run): a prefix of its own in
# the build folder unless WINEPREFIX is set, quiet, and without the .NET and HTML installers.
export WINEPREFIX="${WINEPREFIX:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
