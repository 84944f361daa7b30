#!/usr/bin/env python3
"""Makes model/Unit10.cpp: the built-in censuses and the four base data sets.

    python3 tools/make_base_data.py            # rewrite model/Unit10.cpp
    python3 tools/make_base_data.py --check    # exit 1 if the file is stale
    python3 tools/make_base_data.py --output F # write somewhere else

Standard library only. The build never runs this tool; its output is the
committed data source.

The censuses are copied as published. The single-age columns of the base
data sets are made the way a demographer would:

* populations: each census's five-year groups are split into single years
  with Sprague multipliers (group totals kept), the open group 90+ is spread
  with a geometric decline continuing age 89, every group is rounded with
  largest remainders, and the published single ages (0, 99, 100) are pinned
  by moving the difference within their own group;
* 1990 and 2000 come from the censuses of the same year, 1980 from the 1980
  census scaled to the data set's totals, 2008 from the 2006 census carried
  two years forward along the 2008 life table with two new birth cohorts and
  net immigration added (partly in proportion to the population, partly at
  young adult ages);
* survivor columns of 1980, 1990 and 2000: Brass relational logit model on
  the published 2008 columns, exact at ages 1 and 65, with a smooth
  correction above 65 that meets the published value at 100.

The published projection figures for the 2000 and 2008 sets depend on the
single ages. The remaining freedom (a smooth mortality tilt, one-person
moves across the fertility groups of the 2008 set, single-unit changes of
survivor entries away from the published ages) is tuned until they hold,
and every published property and figure is asserted before anything is
written.
"""

import argparse
import itertools
import math
import sys
from pathlib import Path

# ---------------------------------------------------------------------------
# Published tables
# ---------------------------------------------------------------------------

# (year, men, women); 1787 and 1801 in ten-year groups 0-9 .. 90-99, the
# others in five-year groups 0-4 .. 85-89 and a last group of 90 and over.
CENSUSES = [
    (1787,
     [97303, 72546, 69383, 59627, 48150, 35824, 22527, 9143, 1598, 94],
     [97283, 72509, 72889, 57171, 47726, 36819, 24911, 11506, 2833, 203],
    ),
    (1801,
     [106950, 80452, 72619, 62030, 54329, 41723, 27334, 10755, 2368, 123],
     [106888, 81123, 76811, 61082, 53084, 41669, 29591, 13138, 3374, 232],
    ),
    (1840,
     [80114, 66726, 65498, 66720, 59434, 48673, 42442, 43720, 34428, 30814, 23562, 21943, 18118, 13204, 9064, 5324, 2401, 815, 203],
     [79145, 65805, 63818, 65936, 60559, 49937, 43186, 43078, 35187, 33337, 25956, 24272, 20693, 15881, 11210, 6851, 3383, 1274, 306],
    ),
    (1860,
     [106135, 89138, 76842, 73197, 66370, 59981, 55323, 56459, 48125, 39267, 33149, 30561, 22027, 16435, 9975, 6262, 2923, 838, 180],
     [104331, 87144, 75686, 71899, 69102, 60626, 56041, 56402, 47989, 40245, 34749, 32031, 24469, 19777, 12520, 8340, 4298, 1361, 349],
    ),
    (1880,
     [127731, 108276, 100040, 88934, 81449, 71479, 60970, 57455, 52245, 47529, 43456, 40898, 32920, 22842, 15119, 9829, 4036, 1304, 261],
     [125207, 106138, 97657, 87686, 86881, 76016, 66013, 60670, 55234, 49056, 45267, 43106, 35987, 26684, 18592, 12602, 5685, 2136, 536],
    ),
    (1901,
     [153551, 136278, 128410, 118764, 100228, 85044, 74672, 66553, 65851, 57487, 50145, 43465, 36707, 29292, 20963, 14193, 6535, 1844, 325],
     [151560, 133730, 125821, 118095, 106100, 92449, 83108, 74466, 72686, 61842, 54669, 47631, 41494, 34006, 24641, 18027, 9061, 3047, 708],
    ),
    (1911,
     [167812, 152613, 144898, 127027, 107561, 98706, 92149, 80088, 70030, 60994, 58968, 49550, 40935, 32687, 23656, 15064, 7008, 2683, 616],
     [165421, 149936, 143161, 127387, 118550, 109911, 99692, 85867, 77409, 68563, 66135, 54872, 46693, 37805, 28988, 18824, 9612, 4203, 1133],
    ),
    (1921,
     [172565, 169463, 169940, 155901, 137056, 118613, 108877, 101672, 93424, 79993, 68394, 57142, 51993, 40363, 29246, 18697, 9203, 3225, 670],
     [168951, 167228, 167923, 156025, 147807, 130342, 119129, 109591, 99240, 84280, 75297, 64322, 60164, 46532, 34850, 22419, 11944, 4539, 1233],
    ),
    (1930,
     [157168, 168913, 165606, 163827, 155879, 140368, 129239, 114664, 104497, 95942, 87025, 72148, 58552, 44954, 35791, 22304, 10770, 3706, 811],
     [153943, 165324, 162187, 163528, 161952, 150010, 140869, 124287, 113040, 102608, 91778, 75593, 65170, 51905, 42108, 26475, 13376, 5706, 1247],
    ),
    (1940,
     [162292, 150256, 154950, 166796, 160457, 161116, 157435, 141918, 128551, 112144, 99456, 88156, 75801, 57589, 40172, 24260, 12956, 4411, 1050],
     [156793, 145635, 151438, 163556, 160590, 162254, 160286, 146773, 136887, 119241, 106481, 94107, 79979, 61600, 46154, 29123, 16013, 5678, 1392],
    ),
    (1950,
     [213618, 201365, 160388, 147876, 148309, 156626, 154908, 156213, 152294, 135944, 121124, 102930, 87173, 72081, 54650, 33915, 16353, 5859, 1474],
     [204037, 192961, 155345, 144448, 147658, 159600, 156747, 158124, 155483, 141564, 129996, 111258, 95101, 79162, 59267, 37533, 20133, 7513, 2245],
    ),
    (1960,
     [188070, 189394, 211496, 197236, 153802, 138479, 141174, 152208, 150154, 150753, 144225, 125136, 106167, 84231, 63550, 43293, 23417, 8450, 1973],
     [179404, 180056, 201946, 189142, 150174, 139658, 144085, 156430, 153007, 154030, 148970, 133781, 118532, 96342, 74288, 51201, 27625, 10414, 2963],
    ),
    (1970,
     [199893, 199640, 188281, 191019, 214653, 190010, 152505, 139713, 141729, 150899, 142272, 141104, 125857, 100166, 74392, 48885, 27104, 11163, 3196],
     [189519, 190716, 178987, 181089, 202619, 180459, 148384, 139535, 143476, 154904, 146039, 147291, 137703, 117959, 94947, 65783, 37950, 16210, 4915],
    ),
    (1980,
     [164317, 185710, 203405, 199741, 190444, 191785, 215098, 184439, 149015, 135409, 135285, 140524, 122918, 114041, 88118, 57728, 32384, 14050, 4642],
     [156983, 177640, 193376, 191062, 181304, 183012, 203928, 176826, 146366, 136880, 139556, 149046, 133259, 131894, 114743, 86532, 55528, 26257, 9420],
    ),
    (1990,
     [147296, 137643, 165472, 187516, 206614, 203793, 190126, 188443, 210290, 178635, 141558, 124390, 118163, 112767, 87960, 68013, 38892, 16982, 5963],
     [139781, 132153, 158212, 179114, 195498, 192184, 180894, 182047, 201915, 173493, 141613, 129484, 128697, 132065, 111463, 99711, 71656, 38350, 16238],
    ),
    (2000,
     [174829, 175268, 153268, 143394, 172217, 194097, 212026, 206094, 189995, 185337, 202690, 168075, 127627, 103340, 87826, 69168, 40874, 20857, 7061],
     [165764, 166536, 145483, 137939, 167570, 189304, 202174, 197150, 183597, 181530, 198086, 166973, 132595, 115164, 106969, 99098, 70330, 46202, 23101],
    ),
    (2006,
     [166289, 174050, 180046, 161504, 147640, 167443, 193471, 203986, 208997, 188383, 180658, 190175, 169314, 120092, 89790, 68335, 45305, 21836, 8532],
     [158863, 165765, 170866, 152709, 143727, 165979, 191666, 197656, 202298, 184057, 178458, 189494, 170938, 128175, 104337, 89469, 74230, 46487, 26439],
    ),
]

# year: (men, women, total, first group men/women, last group men/women)
CENSUS_FACTS = {
    1787: (416195, 423850, 840045, 97303, 97283, 94, 203),
    1801: (458683, 466992, 925675, 106950, 106888, 123, 232),
    1840: (633203, 649814, 1283017, 80114, 79145, 203, 306),
    1860: (793187, 807359, 1600546, 106135, 104331, 180, 349),
    1880: (966773, 1001153, 1967926, 127731, 125207, 261, 536),
    1901: (1190307, 1253141, 2443448, 153551, 151560, 325, 708),
    1911: (1333045, 1414162, 2747207, 167812, 165421, 616, 1133),
    1921: (1586437, 1671816, 3258253, 172565, 168951, 670, 1233),
    1930: (1732164, 1811106, 3543270, 157168, 153943, 811, 1247),
    1940: (1899766, 1943980, 3843746, 162292, 156793, 1050, 1392),
    1950: (2123100, 2158175, 4281275, 213618, 204037, 1474, 2245),
    1960: (2273208, 2312048, 4585256, 188070, 179404, 1973, 2963),
    1970: (2442481, 2478485, 4920966, 199893, 189519, 3196, 4915),
    1980: (2529053, 2593612, 5122665, 164317, 156983, 4642, 9420),
    1990: (2530516, 2604568, 5135084, 147296, 139781, 5963, 16238),
    2000: (2634043, 2695565, 5329608, 174829, 165764, 7061, 23101),
    2006: (2685846, 2741613, 5427459, 166289, 158863, 8532, 26439),
}

SURVIVORS_2008_MALE = [
    100000, 99525, 99479, 99457, 99444, 99435, 99426, 99413, 99397, 99387,
    99378, 99367, 99359, 99351, 99335, 99311, 99286, 99245, 99194, 99137,
    99073, 98998, 98913, 98838, 98772, 98710, 98643, 98574, 98512, 98445,
    98378, 98303, 98213, 98122, 98035, 97948, 97853, 97745, 97619, 97484,
    97341, 97176, 96976, 96762, 96549, 96307, 96029, 95738, 95416, 95049,
    94619, 94129, 93598, 93010, 92384, 91743, 91050, 90291, 89506, 88628,
    87782, 86801, 85725, 84569, 83322, 82003, 80587, 79077, 77526, 75828,
    73938, 71906, 69703, 67325, 64779, 62049, 59133, 56096, 53012, 49735,
    46306, 42819, 39302, 35748, 32087, 28426, 24928, 21586, 18397, 15400,
    12591, 10131, 8021, 6119, 4595, 3375, 2372, 1656, 1095, 675,
    374,
]
SURVIVORS_2008_FEMALE = [
    100000, 99645, 99611, 99594, 99585, 99575, 99566, 99557, 99546, 99538,
    99533, 99524, 99517, 99513, 99505, 99488, 99466, 99441, 99414, 99393,
    99379, 99365, 99346, 99324, 99306, 99281, 99251, 99228, 99203, 99171,
    99136, 99106, 99076, 99040, 99002, 98952, 98897, 98844, 98785, 98712,
    98635, 98551, 98450, 98333, 98200, 98042, 97873, 97696, 97481, 97248,
    97009, 96739, 96394, 96017, 95647, 95243, 94366, 94291, 93756, 93183,
    92601, 91953, 91192, 90397, 89052, 88676, 87693, 86629, 85508, 84272,
    82882, 81314, 79609, 77778, 75787, 73640, 71322, 68818, 66205, 63451,
    60480, 57345, 54013, 50494, 46909, 43237, 39385, 35461, 31565, 27662,
    23831, 20209, 16826, 13714, 10941, 8556, 6480, 4782, 3430, 2371,
    1385,
]

# The base data sets: totals, fertility per 1000 women (15-19 .. 40-44),
# children per woman, first-year mortality, and the published single-age
# entries: survivors at 1/65/100 and population at 0/99/100, men then women.
DATA_SETS = {
    1980: dict(totals=(2529013, 2592897), fertility=(15, 92, 120, 55, 15, 3),
               cpw=1.5, newborn=(0.0096, 0.0069),
               survivors=((99005, 73475, 164), (99268, 83612, 781)),
               population=((30347, 43, 0), (28886, 91, 0))),
    1990: dict(totals=(2530516, 2604568), fertility=(15, 92, 120, 55, 15, 3),
               cpw=1.56, newborn=(0.0081, 0.0065),
               survivors=((99347, 76429, 218), (99496, 84325, 710)),
               population=((31369, 55, 0), (29863, 210, 0))),
    2000: dict(totals=(2634043, 2695565), fertility=(7, 45, 110, 96, 37, 5),
               cpw=1.56, newborn=(0.0081, 0.0065),
               survivors=((99446, 80570, 264), (99599, 87003, 1233)),
               population=((33906, 57, 0), (32396, 352, 0))),
    2008: dict(totals=(2712666, 2763125), fertility=(7, 45, 110, 96, 37, 5),
               cpw=1.56, newborn=(0.0081, 0.0065),
               survivors=((99525, 82003, 374), (99645, 88676, 1385)),
               population=((32976, 79, 103), (31436, 464, 628))),
}
SET_YEARS = (1980, 1990, 2000, 2008)
SURVIVOR_AGES = (1, 65, 100)
POPULATION_AGES = (0, 99, 100)

MAX_AGE = 100
AGES = MAX_AGE + 1

# Figures the program's projection must reproduce with these columns.
TARGET_B_2000 = "56950.902"      # children per family 1.56, one step
TARGET_B_2008 = "65501.515"      # children per family 2.0, one step
TARGET_W_2008 = 51091182         # sum of rate per 1000 x women, 2008
TARGET_S1 = 246910.7             # 2000 -> 2010, 1.56, ages 0..4
TARGET_T1 = 5270077.6            # the same, ages 0..99


def check_censuses():
    assert len(CENSUSES) == 17
    years = [c[0] for c in CENSUSES]
    assert years == sorted(years) == sorted(CENSUS_FACTS)
    for year, men, women in CENSUSES:
        m, f, total, first_m, first_f, last_m, last_f = CENSUS_FACTS[year]
        size = 10 if year < 1840 else 19
        assert len(men) == len(women) == size, year
        assert sum(men) == m and sum(women) == f and m + f == total, year
        assert (men[0], women[0], men[-1], women[-1]) == (first_m, first_f, last_m, last_f), year


def census(year):
    for y, men, women in CENSUSES:
        if y == year:
            return men, women
    raise KeyError(year)


# ---------------------------------------------------------------------------
# Graduation
# ---------------------------------------------------------------------------

# Sprague multipliers: five rows (single ages of the group being split) per
# panel, five columns (the groups of the window).
SPRAGUE = {
    "first": ((.3616, -.2768, .1488, -.0336, 0), (.2640, -.0960, .0400, -.0080, 0),
              (.1840, .0400, -.0320, .0080, 0), (.1200, .1360, -.0720, .0160, 0),
              (.0704, .1968, -.0848, .0176, 0)),
    "second": ((.0336, .2272, -.0752, .0144, 0), (.0080, .2320, -.0480, .0080, 0),
               (-.0080, .2160, -.0080, 0, 0), (-.0160, .1840, .0400, -.0080, 0),
               (-.0176, .1408, .0912, -.0144, 0)),
    "middle": ((-.0128, .0848, .1504, -.0240, .0016), (-.0016, .0144, .2224, -.0416, .0064),
               (.0064, -.0336, .2544, -.0336, .0064), (.0064, -.0416, .2224, .0144, -.0016),
               (.0016, -.0240, .1504, .0848, -.0128)),
    "next_to_last": ((0, -.0144, .0912, .1408, -.0176), (0, -.0080, .0400, .1840, -.0160),
                     (0, 0, -.0080, .2160, -.0080), (0, .0080, -.0480, .2320, .0080),
                     (0, .0144, -.0752, .2272, .0336)),
}


def sprague_split(groups):
    """Ages 0..89 from the nineteen groups of a census.

    The open group enters only as the fifth group of the window of the two
    highest closed groups (as if it were 90-94, where most of it lives), so
    that 80-89 bend down towards it instead of flattening out. Negative
    values are set to 0 and the group total restored.
    """
    n = len(groups)
    assert n == 19
    ages = []
    for i in range(18):
        if i == 0:
            panel, start = "first", 0
        elif i == 1:
            panel, start = "second", 0
        elif i == 17:
            panel, start = "next_to_last", n - 5
        else:
            panel, start = "middle", i - 2
        part = []
        for row in SPRAGUE[panel]:
            value = 0.0
            for j in range(5):
                value += row[j] * groups[start + j]
            part.append(value)
        if min(part) < 0:
            part = [max(v, 0.0) for v in part]
            scale = groups[i] / sum(part)
            part = [v * scale for v in part]
        ages += part
    return ages


def open_group_tail(last, total, count, end_index, end_value):
    """count values declining from last (age 89) that sum to total:
    last * exp(-b*j - c*j*j) for j = 1..count, a log-quadratic decline (death
    rates rising with age), with the value at j = end_index + 1 equal to
    end_value."""
    def values(b, c):
        return [last * math.exp(-b * j - c * j * j) for j in range(1, count + 1)]

    def b_for(c):
        lo, hi = -5.0, 5.0
        for _ in range(80):
            b = (lo + hi) / 2
            if sum(values(b, c)) > total:
                lo = b
            else:
                hi = b
        return (lo + hi) / 2

    lo, hi = -1.0, 1.0
    for _ in range(80):
        c = (lo + hi) / 2
        if values(b_for(c), c)[end_index] > end_value:
            lo = c
        else:
            hi = c
    c = (lo + hi) / 2
    tail = values(b_for(c), c)
    assert abs(sum(tail) - total) < 1e-6 * total and abs(tail[end_index] - end_value) < 1e-3
    assert all(tail[j] < tail[j - 1] for j in range(1, count)) and tail[0] < last
    return tail


def single_ages(groups, end_age, end_value):
    """Unrounded ages 0..100; the open group is spread over 90..99 so that
    end_age gets end_value; age 100 is 0."""
    ages = sprague_split(groups)
    ages += open_group_tail(ages[89], groups[18], 10, end_age - 90, end_value)
    return ages + [0.0]


def largest_remainders(values, total):
    """Whole numbers near values that sum to total exactly."""
    assert all(v >= 0 for v in values)
    floors = [math.floor(v) for v in values]
    missing = total - sum(floors)
    assert 0 <= missing <= len(values), (missing, total)
    order = sorted(range(len(values)), key=lambda i: (floors[i] - values[i], i))
    for i in order[:missing]:
        floors[i] += 1
    return floors


def round_by_groups(ages, groups):
    out = []
    for g in range(18):
        out += largest_remainders(ages[5 * g:5 * g + 5], groups[g])
    return out + largest_remainders(ages[90:100], groups[18]) + [0]


def pin(column, age, value, donors):
    """Set column[age] := value; the others of its group (donors) give or take
    the difference in proportion to their size."""
    diff = value - column[age]
    column[age] = value
    weight = sum(column[d] for d in donors)
    shares = largest_remainders([abs(diff) * column[d] / weight for d in donors], abs(diff))
    for d, s in zip(donors, shares):
        column[d] -= s if diff > 0 else -s
        assert column[d] >= 0


def census_column(groups, pins):
    """A data set's population column from a census of the same year."""
    p0, p99, p100 = pins
    assert p100 == 0
    ages = single_ages(groups, 99, p99)
    column = round_by_groups(ages, groups)
    pin(column, 0, p0, [1, 2, 3, 4])
    pin(column, 99, p99, list(range(90, 99)))
    return column


def scaled_groups(groups, total):
    return largest_remainders([g * total / sum(groups) for g in groups], total)


def young_adult_profile():
    # Net immigration is concentrated around the late twenties.
    return [0.0] + [math.exp(-0.5 * ((a - 27) / 8) ** 2) for a in range(1, 99)] + [0.0, 0.0]


def carried_forward_2008(sex, immigrant_share):
    """The 2008 column from the 2006 census: two years of ageing along the 2008
    life table, two new birth cohorts, net immigration up to the total."""
    survivors = (SURVIVORS_2008_MALE, SURVIVORS_2008_FEMALE)[sex]
    p0, p99, p100 = DATA_SETS[2008]["population"][sex]
    total = DATA_SETS[2008]["totals"][sex]
    # The 2006 tail is aimed at the published 99-year-olds of 2008.
    y2006 = single_ages(census(2006)[sex], 97, p99 * survivors[97] / survivors[99])
    ages = [0.0] * AGES
    for a in range(2, AGES):
        ages[a] = y2006[a - 2] * survivors[a] / survivors[a - 2]
    # The cohort born in 2007 lies between the 2006 infants and the 2008 ones.
    ages[1] = (y2006[0] + p0) / 2 * survivors[1] / survivors[0]
    free = range(1, 99)                             # 0, 99, 100 are published
    rest = total - p0 - p99 - p100
    gain = rest - sum(ages[a] for a in free)
    size = sum(ages[a] for a in free)
    profile = young_adult_profile()
    weight = sum(profile)
    values = [ages[a] + gain * ((1 - immigrant_share) * ages[a] / size
                                + immigrant_share * profile[a] / weight) for a in free]
    return [p0] + largest_remainders(values, rest) + [p99, p100]


def fertility_weight(women, year):
    rates = DATA_SETS[year]["fertility"]
    return sum(rates[g] * sum(women[15 + 5 * g:20 + 5 * g]) for g in range(6))


# One woman moved from the first age to the second changes the weighted sum
# by the difference of the rates of the two groups.
BOUNDARY_MOVES = [(14, 15), (19, 20), (24, 25), (29, 30), (34, 35), (39, 40), (44, 45)]


def fewest_moves(residual, year):
    """Fewest one-woman moves across group boundaries changing the weighted sum
    of fertility by exactly residual (breadth-first over the sums)."""
    rates = (0,) + DATA_SETS[year]["fertility"] + (0,)
    steps = []
    for k, (a, b) in enumerate(BOUNDARY_MOVES):
        d = rates[k + 1] - rates[k]
        steps.append((d, a, b))
        steps.append((-d, b, a))
    bound = abs(residual) + 200
    seen = {0: []}
    frontier = [0]
    while residual not in seen:
        nxt = []
        for s in frontier:
            for d, a, b in steps:
                t = s + d
                if abs(t) <= bound and t not in seen:
                    seen[t] = seen[s] + [(a, b)]
                    nxt.append(t)
        frontier = nxt
        assert frontier
    return seen[residual]


def make_population_2008():
    """Both 2008 columns; the share of immigrants at young adult ages is set so
    that the women reproduce the published births, the last few persons by
    moves across the fertility group boundaries."""
    lo, hi = 0.0, 1.0
    for _ in range(60):
        mid = (lo + hi) / 2
        if fertility_weight(carried_forward_2008(1, mid), 2008) < TARGET_W_2008:
            lo = mid
        else:
            hi = mid
    share = lo
    men = carried_forward_2008(0, share)
    women = carried_forward_2008(1, share)
    moves = fewest_moves(TARGET_W_2008 - fertility_weight(women, 2008), 2008)
    for a, b in moves:
        women[a] -= 1
        women[b] += 1
    assert fertility_weight(women, 2008) == TARGET_W_2008
    return men, women, share, moves


# ---------------------------------------------------------------------------
# Survivor columns (Brass relational logit model)
# ---------------------------------------------------------------------------

def logit(l):
    return 0.5 * math.log((1 - l) / l)


def unlogit(y):
    return 1 / (1 + math.exp(2 * y))


def brass_column(standard, published, old_tilt=0.0, adult_tilt=0.0):
    """A survivor column on the standard, exact at the three published ages.

    alpha and beta meet ages 1 and 65; above 65 the logit is raised by a
    quadratic ramp that meets age 100. old_tilt and adult_tilt are smooth
    bumps that vanish at 1, 65 and 100 (level of mortality between them)."""
    s1, s65, s100 = published
    ys = [None] + [logit(standard[x] / 100000) for x in range(1, AGES)]
    y1, y65, y100 = (logit(v / 100000) for v in published)
    beta = (y1 - y65) / (ys[1] - ys[65])
    alpha = y1 - beta * ys[1]
    ramp = y100 - (alpha + beta * ys[100])
    column = [100000]
    for x in range(1, AGES):
        y = alpha + beta * ys[x]
        if x > 65:
            u = (x - 65) / 35
            y += ramp * u * u + old_tilt * 4 * u * (1 - u)
        else:
            u = (x - 1) / 64
            y += adult_tilt * 4 * u * (1 - u)
        column.append(round(unlogit(y) * 100000))
    column[1], column[65], column[100] = s1, s65, s100
    return column


def check_survivors(column):
    assert column[0] == 100000
    for x in range(1, AGES):
        assert 0 < column[x] <= column[x - 1], (x, column[x - 1], column[x])


# ---------------------------------------------------------------------------
# The program's projection, step by step in the same order of operations
# ---------------------------------------------------------------------------

def project(data, children_per_family, steps):
    sm = [float(v) for v in data["survivors_male"]]
    sf = [float(v) for v in data["survivors_female"]]
    pm = [float(v) for v in data["population_male"]]
    pf = [float(v) for v in data["population_female"]]
    pm[99] = pm[99] + pm[100]
    pf[99] = pf[99] + pf[100]
    cpw = data["cpw"]
    fert = [children_per_family * 1.0 / cpw * b / 1000 for b in data["fertility"]]
    nm, nf = data["newborn"]
    log = []
    for _ in range(steps):
        births = 0.0
        for g in range(6):
            for i in range(5):
                births = births + pf[15 + 5 * g + i] * fert[g]
        for a in range(99, 0, -1):
            pm[a] = pm[a - 1] / sm[a - 1] * sm[a]
            pf[a] = pf[a - 1] / sf[a - 1] * sf[a]
        girls = float(int(0.484 * births + 0.5))
        boys = float(int(births - girls + 0.5))
        pm[0] = (1.0 - nm) * boys
        pf[0] = (1.0 - nf) * girls
        nm = nm * 0.98
        nf = nf * 0.98
        if nm > 1.0:
            nm = 1.0
        if nf > 1.0:
            nf = 1.0
        log.append((births, girls, boys))
    return pm, pf, fert, log


def interval_sum(pm, pf, first, last):
    s = 0.0
    for a in range(first, last + 1):
        s = s + pm[a] + pf[a]
    return s


def figures_2010(data):
    pm, pf, _, _ = project(data, 1.56, 10)
    return interval_sum(pm, pf, 0, 4), interval_sum(pm, pf, 0, 99)


# ---------------------------------------------------------------------------
# Tuning the 2000 survivor columns to the published 2010 figures
# ---------------------------------------------------------------------------

def solve_decreasing(fn, lo, hi, iterations=40):
    """Bisection for fn(t) = 0 with fn falling in t; returns the best t seen
    (fn is a step function once the columns are rounded)."""
    best = None
    for _ in range(iterations):
        mid = (lo + hi) / 2
        value = fn(mid)
        if best is None or abs(value) < abs(best[1]):
            best = (mid, value)
        if value > 0:
            lo = mid
        else:
            hi = mid
    return best[0]


def monotone_after(column, age, step):
    value = column[age] + step
    return 0 < value <= column[age - 1] and (age == MAX_AGE or column[age + 1] <= value)


def with_changes(data, changes):
    columns = [list(data["survivors_male"]), list(data["survivors_female"])]
    for (sex, age), step in changes:
        columns[sex][age] += step
    return dict(data, survivors_male=columns[0], survivors_female=columns[1])


def is_survivor_column(column):
    return column[0] == 100000 and all(0 < column[x] <= column[x - 1] for x in range(1, AGES))


def fine_tune(data, combinations, which, target, tolerance):
    """Changes of survivor entries by a few units. combinations yields lists of
    ((sex, age), step); the effects add up almost exactly, so each list is
    predicted from the single effects, and the smallest lists that hit are
    confirmed with the full projection."""
    start = figures_2010(data)[which]
    effect = {}

    def single(change):
        if change not in effect:
            effect[change] = figures_2010(with_changes(data, [change]))[which] - start
        return effect[change]

    found = []
    for changes in combinations:
        miss = abs(start + sum(single(c) for c in changes) - target)
        if miss <= tolerance / 2:
            found.append((sum(abs(s) for _, s in changes), miss, changes))
    found.sort(key=lambda f: (f[0], f[1]))
    for _, _, changes in found[:200]:
        trial = with_changes(data, changes)
        if not (is_survivor_column(trial["survivors_male"]) and is_survivor_column(trial["survivors_female"])):
            continue
        if abs(figures_2010(trial)[which] - target) <= tolerance:
            return trial, changes
    raise AssertionError("no small changes reach %s" % target)


def grid(knobs, most):
    """Every combination of steps -most..most on all knobs."""
    for steps in itertools.product(range(-most, most + 1), repeat=len(knobs)):
        yield [(k, s) for k, s in zip(knobs, steps) if s]


def sparse(knobs, count):
    """Up to count knobs, each changed by one unit."""
    for n in range(1, count + 1):
        for chosen in itertools.combinations(knobs, n):
            for steps in itertools.product((1, -1), repeat=n):
                yield list(zip(chosen, steps))


def tune_2000(data):
    published = DATA_SETS[2000]["survivors"]

    def with_tilts(old, adult):
        return dict(data,
                    survivors_male=brass_column(SURVIVORS_2008_MALE, published[0], old, adult),
                    survivors_female=brass_column(SURVIVORS_2008_FEMALE, published[1], old, adult))

    # Old-age mortality sets the total; mortality of children and young adults
    # (through the mothers) sets the small children, and the total a little.
    old = solve_decreasing(lambda t: figures_2010(with_tilts(t, 0.0))[1] - TARGET_T1, -0.5, 0.5)
    adult = solve_decreasing(lambda t: figures_2010(with_tilts(old, t))[0] - TARGET_S1, -0.5, 0.5)
    # A unit at ages 2..4 moves the small children of 2010 by about a quarter,
    # a whole birth by about one; a few units at those ages, and if need be a
    # nearby adult tilt with other whole numbers of births, bring them to the
    # middle of the published decimal.
    young = [(sex, age) for sex in (0, 1) for age in (2, 3, 4)]
    best = None
    for attempt in range(41):
        step = (attempt + 1) // 2 * (1 if attempt % 2 else -1)
        tilt = adult + 0.0002 * step
        trial = with_tilts(old, tilt)
        if abs(figures_2010(trial)[0] - TARGET_S1) > 2.0:
            continue
        try:
            trial, changes = fine_tune(trial, grid(young, 3), 0, TARGET_S1, 0.02)
        except AssertionError:
            continue
        cost = sum(abs(s) for _, s in changes)
        if best is None or cost < best[0]:
            best = (cost, tilt, trial, changes)
    assert best, "no adult tilt reaches the small children of 2010"
    _, adult, trial, young_changes = best
    # Old-age tilt and ages 50 and over touch only the total.
    young_columns = (trial["survivors_male"], trial["survivors_female"])

    def total_with(old):
        d = with_tilts(old, adult)
        for sex, name in enumerate(("survivors_male", "survivors_female")):
            for age in (2, 3, 4):
                d[name][age] = young_columns[sex][age]
        return d

    old = solve_decreasing(lambda t: figures_2010(total_with(t))[1] - TARGET_T1, -0.5, 0.5)
    data = total_with(old)
    for column in (data["survivors_male"], data["survivors_female"]):
        check_survivors(column)
    old_knobs = [(sex, age) for sex in (0, 1) for age in range(50, MAX_AGE) if age != 65]
    data, old_changes = fine_tune(data, sparse(old_knobs, 2), 1, TARGET_T1, 0.01)
    return data, (old, adult), young_changes + old_changes


# ---------------------------------------------------------------------------
# The four data sets
# ---------------------------------------------------------------------------

def make_data_sets():
    sets = {}
    for year in SET_YEARS:
        facts = DATA_SETS[year]
        sets[year] = dict(year=year, fertility=facts["fertility"], cpw=facts["cpw"],
                          newborn=facts["newborn"])
    notes = {}
    for year in (1990, 2000):
        men, women = census(year)
        sets[year]["population_male"] = census_column(men, DATA_SETS[year]["population"][0])
        sets[year]["population_female"] = census_column(women, DATA_SETS[year]["population"][1])
    men, women = census(1980)
    tm, tf = DATA_SETS[1980]["totals"]
    sets[1980]["population_male"] = census_column(scaled_groups(men, tm), DATA_SETS[1980]["population"][0])
    sets[1980]["population_female"] = census_column(scaled_groups(women, tf), DATA_SETS[1980]["population"][1])
    men, women, share, moves = make_population_2008()
    sets[2008]["population_male"], sets[2008]["population_female"] = men, women
    notes["immigrant_share"] = share
    notes["fertility_moves"] = moves

    sets[2008]["survivors_male"] = list(SURVIVORS_2008_MALE)
    sets[2008]["survivors_female"] = list(SURVIVORS_2008_FEMALE)
    for year in (1980, 1990):
        published = DATA_SETS[year]["survivors"]
        sets[year]["survivors_male"] = brass_column(SURVIVORS_2008_MALE, published[0])
        sets[year]["survivors_female"] = brass_column(SURVIVORS_2008_FEMALE, published[1])
    sets[2000]["survivors_male"] = brass_column(SURVIVORS_2008_MALE, DATA_SETS[2000]["survivors"][0])
    sets[2000]["survivors_female"] = brass_column(SURVIVORS_2008_FEMALE, DATA_SETS[2000]["survivors"][1])
    sets[2000], notes["tilts_2000"], notes["unit_changes_2000"] = tune_2000(sets[2000])
    return sets, notes


# ---------------------------------------------------------------------------
# Every published property and figure
# ---------------------------------------------------------------------------

def check_data_sets(sets):
    figures = {}
    for year in SET_YEARS:
        d = sets[year]
        facts = DATA_SETS[year]
        columns = ("survivors_male", "survivors_female", "population_male", "population_female")
        for name in columns:
            assert len(d[name]) == AGES and all(isinstance(v, int) for v in d[name]), (year, name)
        for sex, name in enumerate(("survivors_male", "survivors_female")):
            check_survivors(d[name])
            assert tuple(d[name][x] for x in SURVIVOR_AGES) == facts["survivors"][sex], (year, name)
        for sex, name in enumerate(("population_male", "population_female")):
            assert min(d[name]) >= 0, (year, name)
            assert sum(d[name]) == facts["totals"][sex], (year, name)
            assert tuple(d[name][x] for x in POPULATION_AGES) == facts["population"][sex], (year, name)
    assert sets[2008]["survivors_male"] == SURVIVORS_2008_MALE
    assert sets[2008]["survivors_female"] == SURVIVORS_2008_FEMALE
    for year in (1990, 2000):
        for sex, name in enumerate(("population_male", "population_female")):
            column = sets[year][name]
            groups = [sum(column[5 * g:5 * g + 5]) for g in range(18)] + [sum(column[90:])]
            assert groups == census(year)[sex], (year, name)

    # 2000, children per family 1.56, one step.
    pm, pf, fert, log = project(sets[2000], 1.56, 1)
    births, girls, boys = log[0]
    assert fert == [0.007, 0.045, 0.11, 0.096, 0.037, 0.005], fert
    assert "%.3f" % births == TARGET_B_2000, births
    assert (girls, boys) == (27564, 29387)
    assert "%.4f" % pm[0] == "29148.9653" and "%.3f" % pf[0] == "27384.834"
    assert "%.5f" % pm[1] == "33718.16076"
    figures["2000 one step"] = (births, girls, boys, pm[0], pf[0], pm[1])

    # 2008, children per family 2.0, one step.
    _, _, _, log = project(sets[2008], 2.0, 1)
    births, girls, boys = log[0]
    assert "%.3f" % births == TARGET_B_2008, births
    assert (girls, boys) == (31703, 33799)
    figures["2008 one step"] = (births, girls, boys)

    # 2000 -> 2010, children per family 1.56; kept clear of the rounding
    # edges so that any summation order gives the same one decimal.
    s1, t1 = figures_2010(sets[2000])
    assert abs(s1 - TARGET_S1) <= 0.03 and abs(t1 - TARGET_T1) <= 0.03, (s1, t1)
    assert "%.1f" % s1 == "%.1f" % TARGET_S1 and "%.1f" % t1 == "%.1f" % TARGET_T1
    figures["2010 from 2000"] = (s1, t1)

    # Base-year interval sums of the 2000 set (age 100 is 0 there).
    d = sets[2000]
    base = lambda a, b: sum(d["population_male"][x] + d["population_female"][x] for x in range(a, b + 1))
    assert base(0, 4) == 340593 and base(0, 100) == 5329608 and base(65, 99) == 789990
    figures["2000 intervals"] = (base(0, 4), base(65, 99), base(0, 100))
    return figures


# ---------------------------------------------------------------------------
# C++ output
# ---------------------------------------------------------------------------

def age_block(name, values):
    out = ["    // %s, ages 0..100, ten to a line" % name, "    {"]
    for i in range(0, AGES, 10):
        chunk = ", ".join("%d" % v for v in values[i:i + 10])
        out.append("        %s%s" % (chunk, "," if i + 10 < AGES else ""))
    out.append("    },")
    return out


def render(sets, notes):
    out = []
    w = out.append
    w("// Generated by tools/make_base_data.py; do not edit by hand.")
    w("// To change the data, edit the tool and run it from the repository root:")
    w("//     python3 tools/make_base_data.py")
    w("// It checks every published total and figure before it rewrites this file.")
    w("//")
    w("// The censuses are copied as published. The single-age columns of the base")
    w("// data sets are graduated from the censuses (Sprague multipliers, a smooth")
    w("// decline over the open group 90+), and the survivor columns of 1980, 1990")
    w("// and 2000 follow the 2008 life table through the Brass relational logit")
    w("// model; see the tool for the details.")
    w("")
    w('#include "Unit10.h"')
    w("")
    w("#include <algorithm>")
    w("#include <cstddef>")
    w("")
    w('#include "Lys_erkl.h"')
    w("")
    w("namespace {")
    w("")
    w("// 1787 and 1801: men, then women, ten-year groups 0-9 .. 90-99.")
    w("constexpr EarlyCensusRecord EarlyCensusTable[EarlyCensusCount] = {")
    for year, men, women in CENSUSES[:2]:
        w("    {%d," % year)
        w("     {%s}," % ", ".join(map(str, men)))
        w("     {%s}}," % ", ".join(map(str, women)))
    w("};")
    w("")
    w("// 1840 .. 2006: men, then women, groups 0-4 .. 85-89 and 90 and over.")
    w("constexpr CensusRecord CensusTable[CensusCount] = {")
    for year, men, women in CENSUSES[2:]:
        w("    {%d," % year)
        for groups in (men, women):
            w("     {%s," % ", ".join(map(str, groups[:10])))
            w("      %s}%s" % (", ".join(map(str, groups[10:])), "}," if groups is women else ","))
    w("};")
    for year in SET_YEARS:
        d = sets[year]
        w("")
        w("constexpr BaseDataSet BaseDataSet%d = {" % year)
        w("    %d," % year)
        out.extend(age_block("SurvivorsMale", d["survivors_male"]))
        out.extend(age_block("SurvivorsFemale", d["survivors_female"]))
        out.extend(age_block("PopulationMale", d["population_male"]))
        out.extend(age_block("PopulationFemale", d["population_female"]))
        w("    // Fertility per 1000 women, mothers 15-19 .. 40-44")
        w("    {%s}," % ", ".join(map(str, d["fertility"])))
        w("    %r,  // ChildrenPerWoman" % d["cpw"])
        w("    %r,  // NewbornMortalityMale" % d["newborn"][0])
        w("    %r,  // NewbornMortalityFemale" % d["newborn"][1])
        w("};")
    w("")
    w("template <std::size_t N>")
    w("void CopyValues(double (&to)[N], const double (&from)[N]) {")
    w("    std::copy(from, from + N, to);")
    w("}")
    w("")
    w("template <typename Record>")
    w("void CopyCensus(Record& to, const Record& from) {")
    w("    to.Year = from.Year;")
    w("    CopyValues(to.Male, from.Male);")
    w("    CopyValues(to.Female, from.Female);")
    w("}")
    w("")
    w("void CopyBaseDataSet(BaseDataSet& to, const BaseDataSet& from) {")
    w("    to.Year = from.Year;")
    w("    CopyValues(to.SurvivorsMale, from.SurvivorsMale);")
    w("    CopyValues(to.SurvivorsFemale, from.SurvivorsFemale);")
    w("    CopyValues(to.PopulationMale, from.PopulationMale);")
    w("    CopyValues(to.PopulationFemale, from.PopulationFemale);")
    w("    CopyValues(to.Fertility, from.Fertility);")
    w("    to.ChildrenPerWoman = from.ChildrenPerWoman;")
    w("    to.NewbornMortalityMale = from.NewbornMortalityMale;")
    w("    to.NewbornMortalityFemale = from.NewbornMortalityFemale;")
    w("}")
    w("")
    w("}  // namespace")
    w("")
    w("void LoadCensuses() {")
    w("    for (int i = 0; i < EarlyCensusCount; ++i) CopyCensus(State.EarlyCensuses[i], EarlyCensusTable[i]);")
    w("    for (int i = 0; i < CensusCount; ++i) CopyCensus(State.Censuses[i], CensusTable[i]);")
    w("}")
    w("")
    w("void LoadBaseDataSets() {")
    for k, year in enumerate(SET_YEARS):
        w("    CopyBaseDataSet(State.BaseDataSets[%d], BaseDataSet%d);" % (k, year))
    w("}")
    return "\n".join(out) + "\n"


def report(figures, notes):
    b, girls, boys, m0, f0, m1 = figures["2000 one step"]
    print("2000, 1.56, one step: B %.3f  girls %d  boys %d  PopMale[0] %.4f  PopFemale[0] %.3f  PopMale[1] %.5f"
          % (b, girls, boys, m0, f0, m1))
    b, girls, boys = figures["2008 one step"]
    print("2008, 2.0, one step:  B %.3f  girls %d  boys %d" % (b, girls, boys))
    s1, t1 = figures["2010 from 2000"]
    print("2000 -> 2010, 1.56:   S1(0..4) %.1f (%.6f)  T1(0..99) %.1f (%.6f)" % (s1, s1, t1, t1))
    s0, s65, t0 = figures["2000 intervals"]
    print("2000 base year:       S0(0..4) %d  S0(65..99) %d  T0 %d" % (s0, s65, t0))
    print("2008 immigrants at young adult ages: %.4f of the net gain; moves across fertility groups: %s"
          % (notes["immigrant_share"], notes["fertility_moves"]))
    old, adult = notes["tilts_2000"]
    print("2000 survivor tilts: old %.6f  adult %.6f; unit changes (sex, age): %s"
          % (old, adult, notes["unit_changes_2000"]))


def main():
    here = Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--output", type=Path, default=here.parent / "model" / "Unit10.cpp")
    parser.add_argument("--check", action="store_true",
                        help="do not write; exit 1 if the output file differs")
    args = parser.parse_args()

    check_censuses()
    sets, notes = make_data_sets()
    figures = check_data_sets(sets)
    report(figures, notes)
    text = render(sets, notes)
    if args.check:
        current = args.output.read_text(encoding="utf-8") if args.output.exists() else ""
        if current != text:
            print("%s is out of date" % args.output, file=sys.stderr)
            return 1
        print("%s is up to date" % args.output)
        return 0
    args.output.write_text(text, encoding="utf-8")
    print("wrote %s" % args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
