#!/usr/bin/env python3
"""Writes the short help pages that the inspection questions and the
shipping-paper report link to ("viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=
NAME.HTM") into program/resources/HAZMAT/.  The pages are the program's own
text: a few sentences each and links to the regulation paragraphs they
explain ("quarvel cite=49CFR..."), which the regulations viewer opens.

Not part of the build: edit PAGES below and run

    python3 tools/help_pages.py [OUT_DIR]
"""
import html
import os
import sys

# (page, title, text, citations).  Citations are keys of the regulations
# viewer: section and paragraph designations.
PAGES = [
    # Shipping papers: the load as a whole.
    ('CHECK.HTM', 'Shipping paper checklist',
     'A shipping paper describes each hazardous material with its basic description (identification number, '
     'proper shipping name, hazard class or division, packing group) in that order, the total quantity, the '
     'number and type of packages, the additional entries the material calls for, an emergency response '
     'telephone number and, from the shipper, a certification. The carrier keeps it within the driver\'s reach.',
     ['172.200(a)', '172.201(a)', '172.202(a)', '172.202(b)', '172.203', '172.204(a)', '172.604(a)', '177.817(e)']),
    ('SPLOC.HTM', 'Where the shipping paper is kept',
     'While at the vehicle\'s controls the driver keeps the shipping paper within immediate reach, restrained by '
     'the lap belt, and readily visible to a person entering the cab, or in a holder mounted on the inside of '
     'the driver\'s door. When the driver is away from the controls, it is left in that holder or on the '
     'driver\'s seat.',
     ['177.817(e)']),
    ('SPMULT.HTM', 'Hazardous and other materials on one shipping paper',
     'When hazardous materials and materials that are not hazardous are described on the same shipping paper, '
     'the hazardous materials must be entered first, or in a contrasting color, or be identified by an "X" '
     '(or "RQ") placed before the basic description in a column captioned "HM".',
     ['172.201(a)(1)']),
    ('DISTING.HTM', 'Hazardous materials distinguished from other entries',
     'Each hazardous material entry must stand out from the entries of materials that are not hazardous: listed '
     'first, highlighted in a contrasting color, or marked with an "X" (or "RQ") in the "HM" column.',
     ['172.201(a)(1)']),
    ('LEGIBLE.HTM', 'Legible and in English',
     'The required shipping description must be legible and printed (manually or mechanically) in English. '
     'It may not contain codes or abbreviations except those the regulations allow.',
     ['172.201(a)(2)', '172.202(c)']),
    ('EMRPHONE.HTM', 'Emergency response telephone number',
     'A shipping paper must show an emergency response telephone number, monitored at all times while the '
     'material is in transportation, of a person who knows the material\'s hazards and emergency response or has '
     'immediate access to such a person. It is entered on the paper immediately after the description or once '
     'in a clearly visible place. Limited quantities and some materials are excepted.',
     ['172.201(d)', '172.604(a)', '172.604(d)']),
    ('NONHAZID.HTM', 'Materials that are not hazardous',
     'A material that is not subject to the regulations may not be offered with a hazard class or an '
     'identification number on the shipping paper.',
     ['172.202(e)']),
    ('ABBREV.HTM', 'Abbreviations',
     'The basic description may not be abbreviated except as the regulations authorize, for example "n.o.s." '
     'for "not otherwise specified" and the abbreviations of the hazardous materials table.',
     ['172.202(c)']),
    ('EUSHIP.HTM', 'Exclusive use shipment',
     'A Class 7 (radioactive) shipment required to be consigned as exclusive use carries on its shipping paper '
     'the words "Exclusive Use Shipment" and the offeror\'s instructions to the carrier for maintaining '
     'exclusive use controls.',
     ['172.203(d)(9)', '173.441(b)', '173.427(a)']),
    ('SHIPCERT.HTM', 'Shipper\'s certification',
     'Each person who offers a hazardous material must certify on the shipping paper that the material is '
     'properly classified, described, packaged, marked and labeled and in proper condition for transportation, '
     'in the words the regulation gives, signed by a principal, officer, partner or employee of the shipper.',
     ['172.204(a)']),
    ('QUANTITY.HTM', 'Total quantity and number and type of packages',
     'The description must include the total quantity by mass or volume (or activity for Class 7) with its unit '
     'of measure, and the number and type of packages (for example "12 drums"), before or after the basic '
     'description. Empty packagings, cylinders and some bulk packagings are described differently.',
     ['172.202(a)(5)', '172.202(a)(7)']),
    # Shipping papers: column headings of the auditor report.
    ('COLHM.HTM', 'The "HM" column',
     'An "X" (or "RQ" for a hazardous substance) in a column captioned "HM" identifies the hazardous material '
     'entries of a shipping paper that also lists materials that are not hazardous.',
     ['172.201(a)(1)(iii)']),
    ('COLBD.HTM', 'Basic description',
     'The basic description is the identification number, the proper shipping name, the hazard class or '
     'division with any subsidiary hazard class in parentheses, and the packing group in Roman numerals, in '
     'that order.',
     ['172.202(a)', '172.202(b)']),
    ('COLAI.HTM', 'Additional information',
     'Some materials need entries besides the basic description: technical names for "G" entries, "RQ" for '
     'hazardous substances, the radioactive material entries, "RESIDUE: Last Contained", "Marine Pollutant", '
     'the inhalation hazard statement and zone, "HOT", control and emergency temperatures and others.',
     ['172.203']),
    ('COLQTY.HTM', 'Quantity',
     'The total quantity by mass or volume with its unit, and the number and type of packages.',
     ['172.202(a)(5)', '172.202(a)(7)']),
    ('COLID.HTM', 'Identification number',
     'The identification number of column (4) of the hazardous materials table, with its "UN", "NA" or "ID" '
     'prefix, is the first element of the basic description.',
     ['172.202(a)(1)', '172.101(e)']),
    ('COLSN.HTM', 'Proper shipping name',
     'The proper shipping name of column (2) of the hazardous materials table, with the technical names in '
     'parentheses where the entry needs them.',
     ['172.202(a)(2)', '172.101(c)']),
    ('COLHC.HTM', 'Hazard class or division',
     'The hazard class or division of column (3) of the hazardous materials table; subsidiary hazard classes or '
     'divisions follow in parentheses. The words "Class" or "Division" may be entered before the number.',
     ['172.202(a)(3)', '172.101(d)']),
    ('COLPG.HTM', 'Packing group',
     'The packing group of column (5) of the hazardous materials table, in Roman numerals, which may be '
     'preceded by "PG".',
     ['172.202(a)(4)', '172.101(f)']),
    # Shipping papers: additional entries of an item.
    ('LTDQTY.HTM', 'Limited quantity',
     'A limited quantity offered for highway transportation is excepted from shipping papers unless it is a '
     'hazardous substance, a hazardous waste or a marine pollutant, or is transported by aircraft or vessel; '
     'when it is described, "Limited Quantity" or "Ltd Qty" follows the description.',
     ['172.203(b)', '173.156']),
    ('LTDQTY1.HTM', 'Limited quantity: Class 1',
     'Class 1 (explosive) materials have no limited quantity exception; see the Division 1.4 consumer fireworks '
     'and the small arms cartridge exceptions instead.',
     ['173.63', '173.156']),
    ('LTDQTY2.HTM', 'Limited quantity: Class 2',
     'Limited quantities of compressed gases: the packaging and quantity conditions of the gas\'s limited '
     'quantity exception.',
     ['173.306', '173.156']),
    ('LTDQTY3.HTM', 'Limited quantity: Class 3',
     'Limited quantities of flammable and combustible liquids.',
     ['173.150(b)', '173.150(c)', '173.156']),
    ('LTDQTY41.HTM', 'Limited quantity: Division 4.1',
     'Limited quantities of flammable solids.',
     ['173.151(b)', '173.156']),
    ('LTDQTY42.HTM', 'Limited quantity: Division 4.2',
     'Division 4.2 (spontaneously combustible) materials of packing group III.',
     ['173.151(b)', '173.156']),
    ('LTDQTY43.HTM', 'Limited quantity: Division 4.3',
     'Limited quantities of dangerous when wet materials.',
     ['173.151(b)', '173.156']),
    ('LTDQTY5.HTM', 'Limited quantity: Class 5',
     'Limited quantities of oxidizers and organic peroxides.',
     ['173.152(b)', '173.156']),
    ('LTDQTY6.HTM', 'Limited quantity: Division 6.1',
     'Limited quantities of poisonous (toxic) materials.',
     ['173.153(b)', '173.156']),
    ('LTDQTY7.HTM', 'Limited quantity: Class 7',
     'Limited quantities of radioactive material are excepted packages with their own conditions.',
     ['173.421', '173.425']),
    ('LTDQTY8.HTM', 'Limited quantity: Class 8',
     'Limited quantities of corrosive materials.',
     ['173.154(b)', '173.156']),
    ('LTDQTY9.HTM', 'Limited quantity: Class 9',
     'Limited quantities of miscellaneous hazardous materials.',
     ['173.155(b)', '173.156']),
    ('TECHNAME.HTM', 'Technical names',
     'A proper shipping name marked "G" in column (1) of the table needs the technical name of the hazardous '
     'material in parentheses with the basic description; for a mixture, the two components that most '
     'predominantly contribute to its hazards.',
     ['172.203(k)', '172.101(b)(4)']),
    ('TOXICCON.HTM', 'Technical name of a poisonous constituent',
     'For a material poisonous by inhalation, or a mixture whose hazard comes from a poisonous constituent, the '
     'technical name of that constituent is entered.',
     ['172.203(k)', '172.203(m)']),
    ('TECHNFCT.HTM', 'Infectious substances: technical name',
     'The technical name of a Division 6.2 infectious substance need not be on the shipping paper; a suspected '
     'Category A infectious substance may be described as "suspected Category A infectious substance" in '
     'parentheses in place of the technical name.',
     ['172.203(k)', '173.134(a)']),
    ('TECHMP.HTM', 'Marine pollutant constituents',
     'For a marine pollutant described by a generic or n.o.s. name, the name of the constituent that makes it a '
     'marine pollutant is entered in parentheses with the description.',
     ['172.203(l)(1)']),
    ('TECHMP441.HTM', 'Marine pollutant constituents (two components)',
     'When two or more components make a mixture a marine pollutant, at least two of them are named.',
     ['172.203(l)(1)', '172.203(k)(1)']),
    ('POISON.HTM', 'Poisonous materials',
     'For a material poisonous by inhalation, "Poison-Inhalation Hazard" or "Toxic-Inhalation Hazard" and its '
     'hazard zone follow the shipping description; the word "Poison" or "Toxic" need not be repeated when the '
     'description already contains it.',
     ['172.203(m)']),
    ('PIH.HTM', 'Poison inhalation hazard',
     'A material poisonous by inhalation is described with "Poison-Inhalation Hazard" or "Toxic-Inhalation '
     'Hazard" and the words "Zone A", "Zone B", "Zone C" or "Zone D" for its hazard zone.',
     ['172.203(m)', '173.116(a)', '173.133(a)']),
    ('INHAZ.HTM', 'Inhalation hazard',
     'Materials poisonous by inhalation carry the inhalation hazard statement on the shipping paper, the '
     'INHALATION HAZARD marking on packages (special provisions 1 to 6 and 13) and, in bulk, the POISON GAS or '
     'POISON INHALATION HAZARD placard.',
     ['172.203(m)', '172.313(a)', '172.505(a)']),
    ('UN1005.HTM', 'Anhydrous ammonia: "0.2 PERCENT WATER" or "NOT FOR Q and T TANKS"',
     'The shipping paper for anhydrous ammonia in a cargo tank must carry "0.2 PERCENT WATER" when the ammonia '
     'is suitable for quenched and tempered steel tanks, or "NOT FOR Q and T TANKS" when it is not.',
     ['172.203(h)(1)', '173.315(a)']),
    ('UN1075.HTM', 'Liquefied petroleum gas: "NONCORROSIVE" or "NOT FOR Q and T TANKS"',
     'The shipping paper for liquefied petroleum gas in a cargo tank must carry "NONCORROSIVE" or "NONCOR" when '
     'the gas meets the corrosion test, or "NOT FOR Q and T TANKS" when it is not suitable for quenched and '
     'tempered steel tanks.',
     ['172.203(h)(2)', '173.315(a)']),
    ('MARINEPO.HTM', 'Marine pollutant',
     'The words "Marine Pollutant" are entered with the description of a material that is a marine pollutant; '
     'except by vessel, marine pollutants in non-bulk packagings are not subject to these entries.',
     ['172.203(l)(2)', '172.203(l)(4)', '172.322']),
    ('HOT.HTM', 'Elevated temperature material',
     'When it is not clear from the description that a liquid is an elevated temperature material, the word '
     '"HOT" precedes the proper shipping name; a bulk packaging holding it is marked "HOT".',
     ['172.203(n)', '172.325(a)']),
    ('RQ.HTM', 'Reportable quantity ("RQ")',
     'For a hazardous substance the letters "RQ" are entered before or after the basic description; the name of '
     'the hazardous substance is added when the shipping name does not identify it.',
     ['172.203(c)(2)', '172.203(c)(1)']),
    ('RADIORQ.HTM', 'Radioactive hazardous substance: "RQ"',
     'A Class 7 material that is a hazardous substance is described with "RQ" like any other hazardous '
     'substance; its radionuclides are named as the radioactive material entries require.',
     ['172.203(c)(2)', '172.203(d)(1)']),
    ('HAZSUB.HTM', 'Hazardous substances',
     'A hazardous substance in a quantity, in one package, equal to or greater than its reportable quantity '
     '(Appendix A to 172.101) is described with "RQ" and the name of the hazardous substance.',
     ['172.203(c)', '172.101(i)']),
    ('CAA.HTM', 'Competent authority approval',
     'Where the regulations require notification or a competent authority approval, the shipping paper carries '
     'a statement of the approval.',
     ['172.203(o)(1)', '172.203(a)']),
    ('TEMPCONT.HTM', 'Temperature controlled materials',
     'For Division 4.1 self-reactive and polymerizing materials and Division 5.2 organic peroxides that require '
     'temperature control, the control and emergency temperatures are entered on the shipping paper, and the '
     'words "TEMPERATURE CONTROLLED" are added to the proper shipping name unless it already says so.',
     ['172.203(o)(2)', '173.21(f)']),
    ('RADIOMAT.HTM', 'Radioactive material',
     'The description of a Class 7 material includes the radionuclides, their physical and chemical form, the '
     'activity, the label category, the transport index, fissile entries and the package identification '
     'marking, as they apply.',
     ['172.203(d)']),
    ('RADIONUC.HTM', 'Radionuclides',
     'The name of each radionuclide listed in 173.435, or for mixtures the most restrictive ones, is entered.',
     ['172.203(d)(1)']),
    ('PHYSDESC.HTM', 'Physical and chemical form',
     'A description of the physical and chemical form of the material, or "special form" when it is special '
     'form radioactive material.',
     ['172.203(d)(2)']),
    ('ACTUNITS.HTM', 'Activity in SI units',
     'The maximum activity of the contents of each package in SI units (becquerels, Bq); customary units '
     '(curies, Ci) may follow in parentheses.',
     ['172.203(d)(3)']),
    ('CUSUNITS.HTM', 'Customary units',
     'The activity may also be given in customary units (curies, Ci) in parentheses after the SI value.',
     ['172.203(d)(3)']),
    ('RADLBLS.HTM', 'Radioactive label category',
     'The category of label applied to each package: "RADIOACTIVE WHITE-I", "RADIOACTIVE YELLOW-II" or '
     '"RADIOACTIVE YELLOW-III".',
     ['172.203(d)(4)', '172.403(c)']),
    ('TRANSIDX.HTM', 'Transport index',
     'The transport index of each package bearing a RADIOACTIVE YELLOW-II or YELLOW-III label.',
     ['172.203(d)(5)', '173.403']),
    ('FISSILEX.HTM', 'Fissile excepted',
     'A package of fissile material excepted from the fissile requirements is described with the words '
     '"Fissile Excepted".',
     ['172.203(d)(6)', '173.453']),
    ('CSI.HTM', 'Criticality safety index',
     'For fissile material, the criticality safety index of each package (or the words "Fissile Excepted").',
     ['172.203(d)(6)', '173.403']),
    ('RADPIM1.HTM', 'Package identification marking',
     'For a package approved by the Department of Energy or the Nuclear Regulatory Commission, a notation of '
     'its package identification marking.',
     ['172.203(d)(7)']),
    ('RADPIM2.HTM', 'International package identification marking',
     'For an export shipment or a foreign made package, the package identification marking of the competent '
     'authority certificate.',
     ['172.203(d)(8)']),
    ('EU.HTM', 'Exclusive use',
     'Shipments that must be consigned as exclusive use carry the words "Exclusive Use Shipment" and the '
     'offeror\'s instructions for maintaining exclusive use.',
     ['172.203(d)(9)']),
    ('HRCQ.HTM', 'Highway route controlled quantity',
     'A package containing a highway route controlled quantity of Class 7 material is described with the words '
     '"Highway route controlled quantity" or "HRCQ"; its carriage follows the routing rules of part 397, '
     'subpart D.',
     ['172.203(d)(10)', '173.403']),
    # Shipping paper description words.
    ('RESIDUE.HTM', 'RESIDUE: Last Contained',
     'The description of a packaging holding only the residue of a hazardous material may include the words '
     '"RESIDUE: Last Contained * * *" before or after the basic description; for a tank car the words are '
     'required.',
     ['172.203(e)']),
    ('NOS.HTM', 'n.o.s. entries',
     '"n.o.s." means "not otherwise specified": a generic entry used when a material is not listed by its own '
     'name. Most n.o.s. entries are marked "G" and need technical names.',
     ['172.101(c)(12)', '172.203(k)']),
    ('NONLPG.HTM', 'Non-odorized liquefied petroleum gas',
     'The word "non-odorized" or "not-odorized" is entered with the description of liquefied petroleum gas that '
     'is not odorized, and the packaging is marked NON-ODORIZED.',
     ['172.203(p)', '172.326(d)', '172.328(e)']),
    ('SPECFORM.HTM', 'Special form',
     'Special form radioactive material is described as "special form" in place of its physical and chemical '
     'form.',
     ['172.203(d)(2)', '173.403']),
    ('LSA.HTM', 'Low specific activity material',
     'Low specific activity (LSA) material is described with its group notation LSA-I, LSA-II or LSA-III.',
     ['172.203(d)(2)', '173.403', '173.427']),
    ('SCO.HTM', 'Surface contaminated object',
     'A surface contaminated object is described with its group notation SCO-I or SCO-II.',
     ['172.203(d)(2)', '173.403', '173.427']),
    ('WASTE.HTM', 'Hazardous waste',
     'The word "Waste" precedes the proper shipping name of a hazardous waste unless the name already contains '
     'it; a hazardous waste manifest goes with the shipment.',
     ['172.101(c)(9)', '172.205']),
    ('WASTESTR.HTM', 'Waste stream',
     'For a hazardous waste described by an n.o.s. entry, the EPA waste stream number or the technical name '
     'identifies it.',
     ['172.203(c)(1)', '172.203(k)(2)']),
    ('CONCEN.HTM', 'Organic peroxide concentration',
     'The concentration or formulation of an organic peroxide is given with its technical name as the organic '
     'peroxide table lists it.',
     ['173.225(c)', '172.203(k)']),
    ('NEM.HTM', 'Net explosive mass',
     'For Class 1 materials the net explosive mass of each package is given, with its unit, after the number '
     'and type of packages.',
     ['172.202(a)(5)']),
    ('sp396.HTM', 'Special provision 396',
     'Packages shipped under special provision 396 carry the words "Transport in accordance with special '
     'provision 396" on the shipping paper.',
     ['172.102(396)']),
    ('APPROVAL.HTM', 'Statement of approval',
     'When notification or competent authority approval is required, the shipping paper contains a statement of '
     'approval of the classification and conditions of transport.',
     ['172.203(o)(1)']),
    ('SAMPLE.HTM', 'The word "SAMPLE"',
     'The word "SAMPLE" is included with the basic description when a sample of a Division 4.1 self-reactive '
     'material or a Division 5.2 organic peroxide is offered for transportation.',
     ['172.203(o)(3)']),
    ('SAMPLE2.HTM', 'The word "SAMPLE" for explosives',
     'A sample of a new explosive, offered for examination and classification, is described with the word '
     '"SAMPLE".',
     ['173.56(d)', '172.203(o)(3)']),
    ('HOLDTIME.HTM', 'Holding time end date',
     'For a cryogenic liquid in a cargo tank the shipping paper shows the date on which the holding time ends.',
     ['177.840(h)', '173.318(g)']),
    ('EXNUM.HTM', 'EX number',
     'An explosive must have an approval number (EX number), or the product code its approval names, entered '
     'with its description.',
     ['172.320(a)', '172.202(a)(5)']),
    ('EXNUM2.HTM', 'EX number alternatives',
     'The EX number may be shown on the shipping paper instead of being marked on each package.',
     ['172.320(b)', '172.320(d)']),
    # Hazard classes and divisions.
    ('DIV1.HTM', 'Class 1: explosives',
     'Explosives, Divisions 1.1 to 1.6, each with a compatibility group letter.',
     ['173.50', '173.52']),
    ('DIV21.HTM', 'Division 2.1: flammable gas', 'Definition of a flammable gas.', ['173.115(a)']),
    ('DIV22.HTM', 'Division 2.2: non-flammable, non-poisonous compressed gas',
     'Definition of a non-flammable, non-poisonous compressed gas.', ['173.115(b)']),
    ('DIV23.HTM', 'Division 2.3: gas poisonous by inhalation',
     'Definition of a gas poisonous by inhalation, and its hazard zones A to D.', ['173.115(c)', '173.116(a)']),
    ('DIV3.HTM', 'Class 3: flammable liquid',
     'Definitions of a flammable liquid and of a combustible liquid.', ['173.120(a)', '173.120(b)']),
    ('DIVCNR.HTM', 'Combustible liquid',
     'A combustible liquid has a flash point above 60 °C (140 °F) and below 93 °C (200 °F). In non-bulk '
     'packaging it is not subject to the regulations unless it is a hazardous substance, a hazardous waste or a '
     'marine pollutant.',
     ['173.120(b)', '173.150(f)']),
    ('DIV41.HTM', 'Division 4.1: flammable solid', 'Definition of a flammable solid.', ['173.124(a)']),
    ('DIV42.HTM', 'Division 4.2: spontaneously combustible material',
     'Definition of a spontaneously combustible material.', ['173.124(b)']),
    ('DIV43.HTM', 'Division 4.3: dangerous when wet material',
     'Definition of a dangerous when wet material.', ['173.124(c)']),
    ('DIV51.HTM', 'Division 5.1: oxidizer', 'Definition of an oxidizer.', ['173.127(a)']),
    ('DIV52.HTM', 'Division 5.2: organic peroxide', 'Definition of an organic peroxide.', ['173.128(a)']),
    ('DIV61.HTM', 'Division 6.1: poisonous material', 'Definition of a poisonous material.', ['173.132(a)']),
    ('DIV62.HTM', 'Division 6.2: infectious substance', 'Definition of an infectious substance.', ['173.134(a)']),
    ('DIV7.HTM', 'Class 7: radioactive material', 'Definitions for radioactive materials.', ['173.403']),
    ('DIV8.HTM', 'Class 8: corrosive material', 'Definition of a corrosive material.', ['173.136(a)']),
    ('DIV9.HTM', 'Class 9: miscellaneous hazardous material',
     'Definition of a miscellaneous hazardous material.', ['173.140']),
    # Hazmat safety permits.
    ('PERMIT1.HTM', 'Hazardous materials safety permit required',
     'A motor carrier may not transport the materials listed in 385.403, in the quantities listed there, '
     'without a hazardous materials safety permit.',
     ['385.403', '385.405T']),
    ('PERMIT2.HTM', 'Safety permit: highway route controlled quantity',
     'A highway route controlled quantity of Class 7 material needs a safety permit.',
     ['385.403(a)']),
    ('PERMIT3.HTM', 'Safety permit: explosives',
     'More than 25 kg (55 pounds) of Division 1.1, 1.2 or 1.3 material, or a quantity of Division 1.5 material '
     'that requires placarding, needs a safety permit.',
     ['385.403(b)']),
    ('PERMIT4.HTM', 'Safety permit: materials poisonous by inhalation',
     'A material poisonous by inhalation of hazard zone A in packages of more than one liter, of hazard zone B '
     'in bulk packaging, or of zone C or D in packagings of 13,248 L (3,500 gallons) or more, needs a safety '
     'permit.',
     ['385.403(c)', '385.403(d)', '385.403(e)']),
    ('PERMIT5.HTM', 'Safety permit: methane and natural gas',
     'Compressed or refrigerated liquid methane or natural gas (85 percent methane or more) in bulk packagings of '
     '13,248 L (3,500 gallons) or more needs a safety permit.',
     ['385.403(f)']),
    # Air and water.
    ('AIR.HTM', 'Air hazmat ("A")',
     'The letter "A" in column (1) of the table restricts the entry to transportation by aircraft: it is not '
     'subject to the regulations by highway unless it is a hazardous substance or a hazardous waste.',
     ['172.101(b)(2)']),
    ('WATER.HTM', 'Water hazmat ("W")',
     'The letter "W" in column (1) of the table restricts the entry to transportation by vessel: it is not '
     'subject to the regulations by highway unless it is a hazardous substance, a hazardous waste or a marine '
     'pollutant.',
     ['172.101(b)(3)']),
    ('AIRWATER.HTM', 'Air and water hazmat ("A" and "W")',
     'An entry marked both "A" and "W" is subject to the regulations only by aircraft and by vessel, unless it '
     'is a hazardous substance, a hazardous waste or a marine pollutant.',
     ['172.101(b)(2)', '172.101(b)(3)']),
]


def cite_text(key):
    return '49 CFR ' + key


def page(title, text, citations):
    links = ', '.join('<a href="quarvel cite=49CFR%s">%s</a>' % (c, html.escape(cite_text(c))) for c in citations)
    return ('<html>\n<head><title>%s</title></head>\n<body>\n<h3>%s</h3>\n<p>%s</p>\n'
            '<p>Regulation: %s</p>\n<p><a href="viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=CHECK.HTM">Shipping paper '
            'checklist</a></p>\n</body>\n</html>\n') % (html.escape(title, quote=False), html.escape(title, quote=False), html.escape(text, quote=False), links)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, '..', 'program', 'resources', 'HAZMAT')
    os.makedirs(out, exist_ok=True)
    names = [p[0] for p in PAGES]
    if len(set(n.upper() for n in names)) != len(names):
        raise ValueError('a page is listed twice')
    for name, title, text, citations in PAGES:
        with open(os.path.join(out, name), 'w', encoding='utf-8', newline='\n') as f:
            f.write(page(title, text, citations))
    sys.stderr.write('%d pages written to %s\n' % (len(PAGES), out))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
