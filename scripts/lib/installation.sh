# shellcheck shell=bash
# shellcheck disable=SC2034,SC2154 # variables shared with the scripts that source this file
# Throw-away installations of the sample product "Demo Suite", shared by scripts/demo and
# scripts/screenshots. Source it after setting `repo` (the repository) and `build_dir`, and
# after defining `die MESSAGE` (prints and exits).
#
# The uninstaller removes everything beside itself, so an installation only ever lives in a
# directory that was created empty, by us, a moment ago; settings, data and runtime directories
# point into that directory as well.

kit_template=$repo/kit/product.ini.in
temp_base=$(realpath "${TMPDIR:-/tmp}")
work_pattern='demo-suite.??????????'

# kit_value KEY: the value of KEY in the [Product] group of the kit's product.ini template.
kit_value() {
    awk -F= -v key="$1" '
        /^\[/ { in_product = ($0 == "[Product]") }
        in_product && $1 == key { sub(/^[^=]*=/, ""); print; exit }
    ' "$kit_template"
}

brand=$(kit_value Brand)
product=$(kit_value Name)
version=$(kit_value Version)
[[ -n $brand && -n $product ]] || die "$kit_template names no Brand or Name"

launcher=$build_dir/launcher/unins000
library=$build_dir/src/libuninstall.so
catalogues=$build_dir/kit/resources/translations
product_program=$build_dir/kit/$product

# installation_build [-j JOBS] [--package NAME]... TARGET...: a Release build of the targets in
# $build_dir, after installing the Debian packages that are missing (extra ones by --package).
installation_build() {
    local jobs=() packages=()
    while (($#)); do
        case $1 in
        -j)
            [[ -z $2 ]] || jobs=(-j "$2")
            shift 2
            ;;
        --package) packages+=("$2") && shift 2 ;;
        *) break ;;
        esac
    done
    "$repo/scripts/install-deps" "${packages[@]}"
    cmake -S "$repo" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
    ninja -C "$build_dir" "${jobs[@]}" "$@"
}

# installation_require FILE...: dies naming the first file that is missing.
installation_require() {
    local file
    for file in "$@"; do
        [[ -f $file ]] || die "$file is missing; build first (without --no-build)"
    done
}

# installation_new_work: a fresh private directory in $temp_base, in `work`.
installation_new_work() {
    work=$(mktemp -d "$temp_base/demo-suite.XXXXXXXXXX")
    installation_require_fresh "$work"
}

# installation_is_work DIR: whether DIR looks like a directory of installation_new_work.
installation_is_work() {
    [[ $1 == "$temp_base"/$work_pattern && -d $1 && ! -L $1 ]]
}

# installation_remove_work: removes `work`, when it is one of ours.
installation_remove_work() {
    if [[ -n ${work:-} ]] && installation_is_work "$work"; then
        rm -rf -- "$work"
    fi
}

installation_require_fresh() {
    local directory=$1
    installation_is_work "$directory" || die "refusing: $directory was not made by mktemp"
    [[ -O $directory ]] || die "refusing: $directory is not our own directory"
    [[ $(stat -c %a "$directory") == 700 ]] || die "refusing: $directory is not private"
    [[ -z $(find "$directory" -mindepth 1 -print -quit) ]] || die "refusing: $directory is not empty"
}

# installation_lay_out [--config-url URL] [--report-url URL] [--update-url URL] [--test-mode]
#                      [--language CODE] [--with-product]
# Lays out $work/install: host, library, product.ini, resources and catalogues, some product
# files, and the installer's records in the user settings. Exports the XDG directories into
# $work and sets install_dir, settings_file, data_dir, log_file and usage_file.
installation_lay_out() {
    local config_url='' report_url='' update_url='' test_mode=0 language='' with_product=0
    while (($#)); do
        case $1 in
        --config-url) config_url=$2 && shift 2 ;;
        --report-url) report_url=$2 && shift 2 ;;
        --update-url) update_url=$2 && shift 2 ;;
        --language) language=$2 && shift 2 ;;
        --test-mode) test_mode=1 && shift ;;
        --with-product) with_product=1 && shift ;;
        *) die "installation_lay_out: unknown option $1" ;;
        esac
    done
    local value
    for value in "$config_url" "$report_url" "$update_url" "$language"; do
        [[ $value != *$'\n'* ]] || die "values must be single lines"
    done
    [[ -z $language || $language =~ ^[A-Za-z_]+$ ]] || die "not a language code: $language"

    install_dir=$work/install
    export XDG_CONFIG_HOME=$work/config
    export XDG_DATA_HOME=$work/data
    export XDG_CACHE_HOME=$work/cache
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -p "$install_dir" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    data_dir=$XDG_DATA_HOME/$brand/$product
    log_file=$data_dir/uninstall.log
    usage_file=$data_dir/usage.jsonl
    settings_file=$XDG_CONFIG_HOME/$brand/$product.ini

    cp "$launcher" "$library" "$install_dir/"
    if ((with_product)); then
        cp "$product_program" "$install_dir/"
    fi

    local ini
    ini=$(<"$kit_template")
    ini=${ini//@CONFIG_URL@/"$config_url"}
    ini=${ini//@REPORT_URL@/"$report_url"}
    ini=${ini//@UPDATE_APP_URL@/"$update_url"}
    if ((test_mode)); then
        ini=${ini//uninstallTest=0/uninstallTest=1}
    fi
    printf '%s\n' "$ini" >"$install_dir/product.ini"

    mkdir -p "$install_dir/resources"
    cp -R "$repo/kit/resources/." "$install_dir/resources/"
    find "$install_dir/resources" -name '*.ts' -delete
    local catalogue
    for catalogue in "$catalogues"/*.qm "$catalogues"/catalogues.sha256; do
        [[ -f $catalogue ]] && cp "$catalogue" "$install_dir/resources/translations/"
    done

    # The product's own files, for the uninstaller to remove.
    mkdir -p "$install_dir/docs/licenses" "$install_dir/bin"
    printf 'Demo Suite user manual\n' >"$install_dir/docs/manual.txt"
    printf 'Demo Suite licence terms\n' >"$install_dir/docs/licenses/LICENSE.txt"
    printf 'Third-party notices\n' >"$install_dir/docs/licenses/THIRD-PARTY.txt"
    printf 'MZ not really a library\n' >"$install_dir/DemoSuite.dll"
    printf 'theme=light\n' >"$install_dir/.settings"
    printf '#!/bin/sh\necho "Demo Suite"\n' >"$install_dir/bin/demo-suite"
    chmod +x "$install_dir/bin/demo-suite"

    # The install records, where the host layer keeps the product's settings.
    mkdir -p "$(dirname "$settings_file")"
    {
        if [[ -n $language ]]; then
            printf '[General]\nLanguage=%s\n\n' "$language"
        fi
        printf '[Install]\nRegistered=1\nPath=%s\nVersion=%s\n' "$install_dir" "$version"
    } >"$settings_file"

    [[ $(realpath "$install_dir") == "$work/install" ]] || die "refusing: unexpected $install_dir"
}

# installation_start_product: starts the product's program from the installation, in
# product_pid, and waits until it holds its instance lock.
installation_start_product() {
    "$install_dir/$product" >"$work/product.out" 2>&1 &
    product_pid=$!
    local _
    for _ in $(seq 50); do
        grep -q 'is running' "$work/product.out" && return 0
        kill -0 "$product_pid" 2>/dev/null || die "the product did not start: $(<"$work/product.out")"
        sleep 0.1
    done
    die "the product did not report that it runs"
}

# installation_stop_product: ends the program of installation_start_product, if it still runs.
installation_stop_product() {
    if [[ -n ${product_pid:-} ]]; then
        kill "$product_pid" 2>/dev/null || true
        wait "$product_pid" 2>/dev/null || true
        product_pid=
    fi
}
