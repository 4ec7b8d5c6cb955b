"""Where the handbook's controls stand, in twips of their window's client area,
as the window designs give them: what a user aims the mouse at."""

# caption, client width and height, Left of the exit button, back target
WINDOWS = {
    "Form1": ("Vielnis 1.2", 9690, 4200, 9360, None),
    "Form2": ("Ķīmisko elementu periodiskā tabula", 11640, 7470, 11280, "Form1"),
    "Form3": ("Metālu aktivitātes rinda", 10815, 2640, 10440, "Form1"),
    "Form4": ("Par autoriem", 4890, 4305, 4560, "Form2"),
    "Form5": ("Nemetālu elektronegativitātes rinda", 10815, 2640, 10440, "Form1"),
    "Form6": ("Apzīmējumi", 8805, 5490, 8400, "Form2"),
    "Form7": ("D. Mendeļejevs", 7080, 7260, 6720, "Form2"),
    "Form8": ("Skābju aktivitātes rinda", 10815, 2370, 10440, "Form1"),
    "Form9": ("Vielu šķīdība ūdenī", 9705, 6825, 9360, "Form1"),
    "Form10": ("Apzīmējumi", 6360, 3825, 6000, "Form9"),
    "Form11": ("Palīgs", 6675, 7335, 6360, "Form2"),
    "Form12": ("Par programmu", 6000, 4155, 5640, "Form1"),
}


def caption(form):
    return WINDOWS[form][0]


def client_height(form):
    return WINDOWS[form][2]


def back_button(form):
    return (120, 120, 510, 375)


def minimise_button(form):
    return (WINDOWS[form][3] - 240, 120, 255, 375)


def exit_button(form):
    return (WINDOWS[form][3], 120, 255, 375)


LEGEND_BUTTON = (120, 480, 510, 375)  # Form2 Apz, Form9 Command2

# The start window's entry buttons and their labels, and where each leads.
START_ENTRIES = {
    "KEPT": ((480, 1320, 615, 495), (1320, 1320, 2535, 615), "Form2"),
    "VSU": ((480, 2040, 615, 495), (1320, 2040, 2175, 615), "Form9"),
    "MAR": ((480, 2760, 615, 495), (1320, 2760, 3255, 615), "Form3"),
    "NER": ((4800, 1320, 615, 495), (5640, 1320, 3735, 615), "Form5"),
    "SAR": ((4800, 2040, 615, 495), (5640, 2040, 2655, 615), "Form8"),
    "PAR": ((4800, 2760, 615, 495), (5640, 2760, 3735, 615), "Form12"),
}

# The periodic table: element buttons on a 480-twip pitch.
PITCH, BUTTON = 480, 495


def element_button(column, period):
    return (360 + PITCH * (column - 1), 1200 + PITCH * (period - 1), BUTTON, BUTTON)


ELEMENTS = {  # symbol: (column, period) of the long-period table
    "H": (1, 1), "He": (18, 1), "C": (14, 2), "N": (15, 2), "O": (16, 2), "Ne": (18, 2), "Na": (1, 3),
    "P": (15, 3), "S": (16, 3), "Cl": (17, 3), "Fe": (8, 4), "Co": (9, 4), "As": (15, 4), "Sn": (14, 5),
    "Au": (11, 6), "Rn": (18, 6),
}

PICKER = (360, 6240, 2535, 405)  # Combo1
TEXT1 = (1395, 1080, 1815, 405)
ORIGIN = (9360, 1440, 2055, 930)  # Text15
OXIDE_CELL = lambda n: (7200 + 360 * (n - 1), 6480, 375, 405)  # noqa: E731
