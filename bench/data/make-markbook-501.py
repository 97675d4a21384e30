# Writes markbook-501.csv, a teacher's markbook of 501 students and 40 columns (number, last and
# first name, 36 marks with one decimal, the final mark), and turns it into markbook-501.xlsx with
# LibreOffice Calc (Debian 12's libreoffice-calc-nogui). The XLSX file is committed; the benchmark
# reads it. Run: python3 make-markbook-501.py
import csv
import random
import subprocess

rng = random.Random(501)  # the same markbook every time
lasts = ["Ahmed", "Anderson", "Arsenault", "Bélanger", "Chen", "Delgado", "Fraser", "Gagnon", "Hassan", "Ivanova",
         "Kowalski", "Lévesque", "MacDonald", "Nguyen", "O'Brien", "Patel", "Quinn", "Roy", "Singh", "Tremblay"]
firsts = ["Layla", "Nadia", "Tariq", "Carlos", "Amira", "Leah", "Alejandro", "Ali", "Chloé", "Ethan", "Fatima",
          "Gabriel", "Hannah", "Isaac", "Jasmine", "Kai", "Liam", "Maya", "Noah", "Olivia"]
with open("markbook-501.csv", "w", newline="", encoding="utf-8") as out:
    writer = csv.writer(out)
    writer.writerow(["Student Number", "Last Name", "First Name"] + [f"Task {n}" for n in range(1, 37)] + ["Final Mark"])
    for i in range(501):
        marks = [round(rng.uniform(40, 100), 1) for _ in range(36)]
        writer.writerow([300000000 + i * 7919, rng.choice(lasts), rng.choice(firsts)] + marks +
                        [round(sum(marks) / len(marks), 1)])
subprocess.run(["soffice", "--headless", "--infilter=CSV:44,34,76,1", "--convert-to", "xlsx", "markbook-501.csv"],
               check=True)
