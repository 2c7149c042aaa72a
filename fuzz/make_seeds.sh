#!/usr/bin/env bash
# Writes the small hand-made seed inputs under fuzz/corpus/<target>/. All of them are made
# up here; none comes from the game. Run again after changing an input layout.
# The fuzz_dat seeds are archives, written by tools/datwriter/seeds.cpp instead.
set -euo pipefail
cd "$(dirname "$0")"
rm -rf corpus/fuzz_lists corpus/fuzz_ini corpus/fuzz_frame corpus/fuzz_numbers corpus/fuzz_records
mkdir -p corpus/fuzz_lists corpus/fuzz_ini corpus/fuzz_frame corpus/fuzz_numbers corpus/fuzz_records

# Lists and message files, with the CR LF line ends the game's tools write.
printf 'zdcrate0001.int ; Crate that opens with a key\r\nzdcrate0002.int ; Crate\r\nshort\r\n' \
    >corpus/fuzz_lists/scripts_lst
printf 'HMJMPS.FRM\r\nMAMTNT.FRM\r\nNAGHUL.FRM\r\n' >corpus/fuzz_lists/critters_lst
printf '{100}{}{Knife}\r\n{101}{}{Spear}\r\n{3099}{}{Last one}\r\n' >corpus/fuzz_lists/item_msg
printf '# Body Types\r\n{100}{}{Biped}\r\n{101}{}{Quadruped}\r\n# Kill Types names\r\n' \
    >corpus/fuzz_lists/proto_msg
printf '{1450}{}{Men}\r\n# Kill Types names\r\n{1451}{}{Women}\r\n{1452}{}{Children}\x1a' \
    >>corpus/fuzz_lists/proto_msg
printf '{ 5}{}{odd}\n{}{}{empty}\r{x10}{}{hex}\n' >corpus/fuzz_lists/odd_msg

printf '[File]\r\nF2Path=/home/user/Fallout2\r\nSource=/home/user/Source\r\nUseSource=1\r\n' \
    >corpus/fuzz_ini/settings_ini
printf '[Image]\r\nOptimize=0\r\n[Other]\r\nFile1=CRITTERS.LST\r\nFile2=color.pal\r\n' \
    >>corpus/fuzz_ini/settings_ini
printf '; kept by the user\n[Window]\nLeft=10\n[other]\nfile1=a\nFILE2=b\nFile3\n' \
    >corpus/fuzz_ini/mixed_case_ini

# A frame seed: palette length / 4, box byte, palette, then a 4 x 4 frame file.
palette() { # $1 entries of (r, g, b)
    local i
    for ((i = 0; i < $1; ++i)); do
        printf "\\$(printf '%03o' $((i % 64)))\\$(printf '%03o' $((63 - i % 64)))\\$(printf '%03o' $((i * 7 % 64)))"
    done
}
frame4x4() {
    printf '\0\0\0\4\0\12\0\0\0\1'          # version, frame rate, action frame, frames
    printf '%*s' 48 '' | tr ' ' '\0'        # shifts and offsets of the six directions
    printf '\0\0\0\34'                      # size of the frame data
    printf '\0\4\0\4\0\0\0\20\0\0\0\0'      # width, height, size, shift x, shift y
    printf '\0\1\2\3\4\0\6\7\10\11\0\13\14\15\16\0' # pixels, index 0 transparent
}
{ printf '\300\0'; palette 256; frame4x4; } >corpus/fuzz_frame/frame4x4_full_palette
{ printf '\3\377'; palette 4; frame4x4; } >corpus/fuzz_frame/frame4x4_short_palette

# Numbers: offset + 16, width + 2, flags, 32-bit value, 8-byte double, field bytes
# (length first), then the text typed into a box.
numbers() { # $1 offset+16 (octal), $2 width+2 (octal), $3 text
    printf "\\$1\\$2\\0\\0\\0\\1\\377"
    printf '\0\0\0\0\0\200\123\100' # 76.5, little-endian
    printf '\10\1\2\3\4\5\6\7\10'
    printf '%s' "$3"
}
numbers 020 004 '123' >corpus/fuzz_numbers/decimal
numbers 022 006 '$FF' >corpus/fuzz_numbers/dollar_hex
numbers 020 003 '0x1A' >corpus/fuzz_numbers/zero_x_hex
numbers 024 006 '  -5' >corpus/fuzz_numbers/negative
numbers 020 006 '1.5e3' >corpus/fuzz_numbers/float
numbers 010 013 'FF00A' >corpus/fuzz_numbers/odd_hex

# Records: a mode byte (bit 0: names from the input and UTF-8 typing; bit 1: the type byte
# becomes (mode >> 2) % 7 and the kind word (mode >> 5) % 8), the typed text and the names
# (each with its length first), then the prototype's bytes.
record() { # $1 mode, $2 typed text, $3 names, $4 prototype length
    printf "\\$(printf '%03o' "$1")\\$(printf '%03o' ${#2})%s" "$2"
    printf "\\$(printf '%03o' ${#3})%s" "$3"
    head -c "$4" /dev/zero | tr '\0' '\314' # CC CC CC CC: charges as real items store them
}
for ((x = 0; x < 64; ++x)); do
    record $((2 | x << 2 | x % 2)) '-1' $'Wood\nMetal\n3 (Glass)\nName (x)' 420 \
        >"corpus/fuzz_records/type$((x % 7))_kind$((x >> 3))_$x"
done
record 2 '50' '' 50 >corpus/fuzz_records/short_item
record 6 '0x10' '' 11 >corpus/fuzz_records/header_only
record 0 '' '' 0 >corpus/fuzz_records/empty
