"""What tells the program's screens apart from outside, shared by the end-to-end tests
(desktop.py) and the benchmark (bench/desktop_bench.py). Plain data: importing it needs
nothing but Python."""

# Caption, client size in pixels at 96 dpi, and a text that only that screen shows.
SCREENS = {
    "Form1": ("Rula", (489, 147), "Introduction"),
    "Form2": ("Posture - Group A (Arms and Wrists)", (441, 386), "Upper Arm Posture"),
    "Form3": ("Posture - Group A (Arms and Wrists)", (449, 290), "Lower Arm Posture"),
    "Form4": ("Posture - Group A (Arms and Wrists)", (389, 330), "Wrist Posture"),
    "Form5": ("Posture - Group A (Arms and Wrists)", (298, 201), "Wrist Twist Posture"),
    "Form6": ("Posture - Group B (Neck, Trunk, and Legs)", (337, 345), "Neck Posture"),
    "Form7": ("Posture - Group B (Neck, Trunk, and Legs)", (417, 409), "Trunk Posture"),
    "Form8": ("Frequency and Force", (425, 513), "Group A (Arm, Wrist)"),
    "Form9": ("Rula - Final", (369, 617), "Complete: A. Arm and Wrist Analysis"),
    "Form10": ("Rula", (1248, 538), "Clear Chart"),
}

# The chart draws itself narrower on paper than on screen: its side and task columns stand
# in columns of the page's own, so that the page keeps its true size on A4 and Letter.
CHART_PAPER_WIDTH = 978
