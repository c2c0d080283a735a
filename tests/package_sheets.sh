# SPDX-License-Identifier: EUPL-1.2
# Sourced by the package's checks: the evaluations they print and the name they read back.
package_sheets_data=$(cd "$(dirname "${BASH_SOURCE[0]}")/batch/data" && pwd)

# The evaluations' file: the header the batch reads and two people, every activity done.
evaluations() {
  local rows header=dossier\;nom\;prénom\;adresse
  mapfile -t rows <"$package_sheets_data/rows.txt"
  for row in "${rows[@]}"; do header+=";$row"; done
  printf '%s\n' "$header"
  printf '1;Ахматова;Анна;ул. Ленина 3, Москва%s\n' "$(printf ';%.0s' "${rows[@]}")"
  printf '2;عبد الله;محمد;الرباط%s\n' "$(printf ';%.0s' "${rows[@]}")"
}

# The sheet's name line as a reader copies it, without the marks around right-to-left runs.
name_line() {
  pdftotext -l 1 "$1" - | sed -n 6p | LC_ALL=C sed 's/\xe2\x80[\x8e\x8f\xaa-\xae]//g'
}
