# Sourced by run.sh and test.sh: installs the Debian packages a step needs,
# asking apt only when one is missing.

velbrin_build_packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools
    libgtest-dev fonts-liberation)
velbrin_test_packages=(clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file
    groff-base python3)

ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Configuring an already configured tree only refreshes its build files (a
# build of a single target would not notice targets added since); nothing is
# rebuilt by it.
configure_preset() {
    cmake --preset "$1" >/dev/null
}
