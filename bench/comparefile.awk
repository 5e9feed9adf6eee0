# The comparison of a grid file with a draw, as `mirazol-cli compare-file` prints it in French,
# for timing beside it and checking its output:
#   awk -v draw=3,17,20,28,33,45,12 [-v sep=";"] [-v skip=N] [-v replace=7=33,8=45] -f comparefile.awk FILE
# Lines end at LF, CR LF or CR; blank lines (spaces and tabs only) are passed over; fields 1..10
# of each line are read as they are, and a field that is a 32-bit integer (leading blanks, a
# sign, decimal digits, or hexadecimal ones after "$", "x" or "0x") is a number.

function hexValue(digits,    v, i, c) {
    v = 0
    for (i = 1; i <= length(digits); i++) {
        c = index("0123456789abcdef", tolower(substr(digits, i, 1))) - 1
        v = v * 16 + c
    }
    return v
}

# Sets `number` and answers 1 when the text is numeric; answers 0 otherwise.
function numeric(text,    negative, digits, v) {
    sub(/^ +/, "", text)
    negative = 0
    if (text ~ /^[-+]/) {
        negative = substr(text, 1, 1) == "-"
        text = substr(text, 2)
    }
    if (text ~ /^(\$|[xX]|0[xX])[0-9a-fA-F]+$/) {
        sub(/^(\$|[xX]|0[xX])/, "", text)
        sub(/^0+/, "", text)
        if (length(text) > 8)
            return 0
        v = hexValue(text)
        if (v >= 2147483648)
            v -= 4294967296
        if (negative)
            v = -v
        if (v == 2147483648)
            v = -2147483648
        number = v
        return 1
    }
    if (text !~ /^[0-9]+$/)
        return 0
    sub(/^0+/, "", text)
    if (length(text) > 10)
        return 0
    v = text + 0
    if (negative)
        v = -v
    if (v > 2147483647 || v < -2147483648)
        return 0
    number = v
    return 1
}

BEGIN {
    RS = "\r\n|\r|\n"
    if (sep == "" || sep == " ")
        FS = "[ ]"
    else
        FS = "[" sep "]"
    split(draw, d, ",")
    for (j = 1; j <= 6; j++)
        if (d[j] >= 1 && d[j] <= 99)
            drawn[d[j] + 0]++
    comp = (d[7] >= 1 && d[7] <= 99) ? d[7] + 0 : 0
    for (v = 1; v <= 100; v++)
        map[v] = v
    pairs = split(replace, pair, ",")
    for (p = 1; p <= pairs; p++) {
        split(pair[p], nm, "=")
        map[nm[1] + 0] = nm[2] + 0
    }
    rank[6, 0] = 1; rank[6, 1] = 1
    rank[5, 1] = 2; rank[5, 0] = 3
    rank[4, 1] = 4; rank[4, 0] = 5
    rank[3, 1] = 6; rank[3, 0] = 7
    rank[2, 1] = 8
    caption[1] = "6 numéros"; caption[2] = "5 +Comp"; caption[3] = "5 numéros"
    caption[4] = "4 +Comp"; caption[5] = "4 numéros"; caption[6] = "3 +Comp"
    caption[7] = "3 numéros"; caption[8] = "2 +Comp"
    n = 0
    skipped = 0
}

/^[ \t]*$/ { next }

skipped < skip { skipped++; next }

{
    n++
    line = "B.:" sprintf("%03d", n) " :"
    k = 0
    holds = 0
    last = NF < 10 ? NF : 10
    for (f = 1; f <= last; f++) {
        if (!numeric($f))
            continue
        v = number
        if (v >= 1 && v <= 100)
            v = map[v]
        line = line (v < 10 ? "-0" : "-") sprintf("%d", v)
        if (v >= 1 && v <= 99)
            k += drawn[v]
        if (comp && v == comp)
            holds = 1
    }
    line = line " ->" k
    if (holds)
        line = line " + Complémentaire"
    print line
    if ((k, holds) in rank)
        count[rank[k, holds]]++
}

END {
    for (r = 1; r <= 8; r++)
        printf "%s\t%d\n", caption[r], count[r]
}
