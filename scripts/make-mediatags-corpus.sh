#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the seeds of the mediatags fuzzer to fuzz/corpus/mediatags/: a tagged
# JPEG (Exif and XMP, through the exiv2 tool), an MP3 with an ID3v2.3 tag and
# a FLAC with Vorbis comments, each after the byte that picks its kind.
# Needs the exiv2 program (Debian package exiv2).
set -euo pipefail
cd "$(dirname "$0")/.."
out=fuzz/corpus/mediatags
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Bytes from hexadecimal digits: bytes ffd8 ...
bytes() { local hex; hex=$(tr -d ' \n' <<<"$*"); printf "$(sed 's/../\\x&/g' <<<"$hex")"; }
be32() { printf '%08x' "$1"; }
le32() { local h; h=$(printf '%08x' "$1"); echo "${h:6:2}${h:4:2}${h:2:2}${h:0:2}"; }
text_hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }

# An 8x8 grey baseline JPEG, as the tests build it.
{
  bytes ffd8 ffe000104a46494600010100000100010000 ffdb004300
  bytes "$(printf '01%.0s' {1..64})"
  bytes ffc0000b080008000801011100
  bytes ffc400140001 "$(printf '00%.0s' {1..15})" 00
  bytes ffc400141001 "$(printf '00%.0s' {1..15})" 00
  bytes ffda0008010100003f00 3fffd9
} >"$work/photo.jpg"
exiv2 -M'set Exif.Photo.DateTimeOriginal 2021:03:04 05:06:07' -M'set Exif.Photo.DateTimeDigitized 2021:03:04 05:06:08' \
  -M'set Exif.Image.Make Canon' -M'set Exif.Image.Model EOS 5D' -M'set Exif.Photo.LensModel EF50mm f/1.8' \
  -M'set Exif.Photo.PixelXDimension 8' -M'set Xmp.xmp.CreateDate 2021-03-04T05:06:08+01:00' "$work/photo.jpg"
{ bytes 00; cat "$work/photo.jpg"; } >"$out/photo"

# Two silent MPEG-1 layer III frames (417 bytes each) after an ID3v2.3 tag.
# A text frame: id, size, no flags, Latin-1, the text.
frame() {
  local text
  text=$(text_hex "$2")
  echo "$(text_hex "$1")$(be32 $((${#text} / 2 + 1)))000000$text"
}
frames=$(frame TIT2 Frost)$(frame TPE1 Artist)$(frame TALB Winter)$(frame TRCK 3/12)$(frame TYER 1987)$(frame TCON Folk)
size=$((${#frames} / 2))
syncsafe=$(printf '%02x%02x%02x%02x' $(((size >> 21) & 127)) $(((size >> 14) & 127)) $(((size >> 7) & 127)) $((size & 127)))
mpeg_frame="fffb90c4$(printf '00%.0s' {1..413})"
{ bytes 01; bytes "$(text_hex ID3)0300 00$syncsafe$frames"; bytes "$mpeg_frame$mpeg_frame"; } >"$out/song-mp3"

# STREAMINFO, then the last block: Vorbis comments.
comments=""
count=0
for field in TITLE=Frost ARTIST=Artist ALBUM=Winter TRACKNUMBER=3 DATE=1987 GENRE=Folk; do
  comments+="$(le32 ${#field})$(text_hex "$field")"
  count=$((count + 1))
done
vendor=tollwick
block="$(le32 ${#vendor})$(text_hex "$vendor")$(le32 $count)$comments"
block_size=$(printf '%06x' $((${#block} / 2)))
{
  bytes 02 "$(text_hex fLaC)" 00000022 10001000000000000000 0ac440f000000000 "$(printf '00%.0s' {1..16})"
  bytes "84$block_size$block"
} >"$out/song-flac"
ls -l "$out"
