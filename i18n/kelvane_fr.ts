<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Choisir les couleurs</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>aucune valeur</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1 ; dans ce sens, normalisée</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1 ; dans ce sens, non normalisée</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>code à 3 chiffres</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>code à 4 chiffres</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>code à lettre</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>code EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>pont de zéro ohm</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>valeur en pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>pas un marquage</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>numéro EIA-96 inexistant</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>hors plage</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>non normalisée ; %1 la plus proche : %2 et %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>non normalisée</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>pas une couleur</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>la bague %1 ne peut pas être %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1 : commande inconnue</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1 : option inconnue</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 n&apos;attend aucune valeur</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 attend une valeur parmi %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 attend un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 attend un pourcentage supérieur à 0 et inférieur à 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>il manque %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1 : argument inattendu</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1 : des valeurs, ou une série ou un fichier de composants, pas les deux</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1 : hors plage, de %2 à %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1 : hors plage, de %2 jusqu&apos;à moins de %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 est au-dessus de %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1 : la sortie doit être au-dessus de 0 et sous l&apos;entrée</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1 : aucun composant utilisable</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1 : plus de %2 valeurs différentes</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1 : fichier introuvable</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1 : lecture non autorisée</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1 : un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1 : plus de %2 MB, trop grand pour une liste de composants</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 attend deux nombres X,Y, chacun de %2 à %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 bagues : %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>codes : %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>%1 les plus proches : %2 (%3) et %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>réseau : %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Listés à part :</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Non lues :</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 attend un nombre de %2 à %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 attend LOW..HIGH en °C, chacun de %2 à %3, LOW pas au-dessus de HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 ou %2, pas les deux</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1 : la sortie doit être au-dessus de la référence %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>pire cas %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>rendement %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Code couleur des résistances</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Chiffre</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Multiplicateur</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolérance</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>pas d&apos;anneau</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Valeurs normalisées d&apos;une décade</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Décalage %1 mm, %2 mm ; échelle %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Valeurs lues : %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mes composants</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Une ou quelques valeurs par ligne, comme 4k7 ou 4,7 k ; 1% après une valeur donne sa tolérance, sinon 5 % ; # commence un commentaire.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Non lues : %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 ohm</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 ohms</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kiloohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kiloohms</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 mégaohm</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 mégaohms</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 picofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 picofarads</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofarads</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 microfarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 microfarads</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <comment>decimal point</comment>
        <translation>%1,%2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 pour résistances et condensateurs</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Utilisation et partage libres.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 pour cent en dessous</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 pour cent au-dessus</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>en parallèle avec</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Trouver des valeurs</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mes composants</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>C&amp;omposants :</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Modi&amp;fier mes composants...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Réseaux</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>D&amp;iviseur</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valeur :</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>Composants &amp;au plus :</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>En dessous</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Au-dessus</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Valeurs &amp;normalisées les plus proches :</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Plage de tolérance</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Meilleurs réseaux :</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>Tension d&apos;&amp;entrée :</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>&amp;Tension de sortie :</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;de :</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;à :</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Plage de sortie</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>&amp;Paires de résistances :</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Voir &amp;les bagues</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>trop de composants</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>aucun composant : modifier mes composants</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1 : en dessous %2, %3 ; au-dessus %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1 : %2, %3, de %4 à %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Une tension est un nombre au-dessus de 0, comme 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 est une plage de valeurs, comme 1k à 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 de l&apos;entrée à la sortie, R2 de la sortie à la masse.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>La sortie doit être au-dessus de 0 et sous l&apos;entrée.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2 : %3 volts, %4, de %5 à %6 volts</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>pas une plage de températures</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>pas un coefficient</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>pas une tolérance</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, rendement %1 pour cent, à %2 près</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Températ&amp;ure :</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Coefficient :</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>Écart ma&amp;x. ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Pire cas</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Diviseur &amp;simple</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Ré&amp;gulateur, broche feedback</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Régulateur, broche ad&amp;just</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref :</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Courant de &amp;broche, µA :</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, au pire de %1 à %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>La tolérance de la référence et le courant de la broche sont des nombres dès 0, comme 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 de la sortie à la broche, R2 de la broche à la masse.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>La sortie doit être au-dessus de la référence.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, au pire de %1 à %2 volts</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Source :</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Valeurs saisies</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Une série</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mes composants</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Valeurs :</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>Sé&amp;rie :</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>D&amp;e :</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;À :</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Pla&amp;nche :</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Anneaux :</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 et 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>A&amp;perçu...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Créer un P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>aucune valeur</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>trop de valeurs</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Étiquettes : %1, planches : %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Enregistrer les étiquettes en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Dès l&apos;é&amp;tiquette :</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Décalage horizontal</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Dé&amp;calage :</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Décalage vertical</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Échelle horizontale</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Éc&amp;helle :</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Échelle verticale</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Pa&amp;ge d&apos;étalonnage...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Une nomenclature</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>No&amp;menclature...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Étiquettes d&apos;une nomenclature</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Nomenclatures (*.csv *.tsv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>aucune nomenclature choisie</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>impossible de lire %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Cliquer sur une bague<byte value="xd"/>pour choisir sa couleur</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Bague 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Bague 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Bague 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Bague 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolérance</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Passer à 4 bagues<byte value="xd"/>de couleur</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Passer à 5 bagues<byte value="xd"/>de couleur</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Affiche la valeur du composant</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Choisir / afficher la<byte value="xd"/>tolérance du composant</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Saisir la valeur du composant</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Multiplier la valeur saisie<byte value="xd"/>par 1 M (1 000 000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Multiplier la valeur saisie<byte value="xd"/>par 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Multiplier la valeur<byte value="xd"/>saisie par 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Coché : arrondir à la valeur normalisée<byte value="xd"/>la plus proche. Décoché : toujours<byte value="xd"/>arrondir au-dessus.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Cliquer pour calculer<byte value="xd"/>le code couleur</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Affiche la valeur saisie<byte value="xd"/>avec son multiplicateur</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Résistance</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Composant</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Résistance</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>C&amp;ondensateur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>Afficher les &amp;info-bulles</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Code couleur</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Composant dessiné</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Bague de tolérance</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Bague %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 bagues</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 bagues</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Saisir la valeur</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Valeur du composant</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>au plus proche</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Valeur saisie avec multiplicateur</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Erreur de conversion de la valeur</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>La valeur du composant doit être un nombre entre 1 et 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Marquages...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Trouver des valeurs...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>Imprimer des &amp;étiquettes...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Tableau du code couleur...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Tableau du code couleur</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Marquages</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marquage</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bagues</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code :</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valeur :</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Série :</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Codes :</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Plage :</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Inversé :</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>Tol.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>multiplicateur ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>chiffre %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>pas une valeur</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>valeur hors plage</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolérance hors plage</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>pas du texte UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>ni résistance ni condensateur</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>réseau de résistances</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>ajustable</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>ne pas monter</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>guillemet non fermé</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>moins de champs que l&apos;en-tête</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>aucune référence</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>pas une plage de références</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>aucune valeur</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>quantité différente du nombre de références</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1 : vide</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1 : pas une nomenclature, aucune ligne ne nomme de colonne Value ou Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>coefficient de température hors plage</translation>
    </message>
</context>
</TS>
