# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Turns the bundled word list into `rows` rows of one category, Weather, cycling through its
# pairs: a category as large as a user could make, with word lengths as the program meets them.
#   awk -v rows=100000 -v out=weather.tsv -f weather_words.awk words.tsv
BEGIN { FS = "\t"; n = 0 }
!/^#/ && NF == 3 { english[n] = $2; spanish[n] = $3; n++ }
END { for (i = 0; i < rows; i++) printf "Weather\t%s\t%s\n", english[i % n], spanish[i % n] > out }
