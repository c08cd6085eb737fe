<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../app/AboutDialog.cpp" line="44"/>
        <source>Virelo helps consultants and authorities judge whether monitored natural attenuation can protect a receptor downstream of a contaminant source. For every contaminant it checks the inputs, then estimates the plume length from plug flow at the seepage velocity with first-order decay, and the attenuation factor at the receptor from a steady-state analytical centre-line solution with longitudinal dispersion, decay and the lateral and vertical spreading of a rectangular source. Each result is classed green, yellow or red against a chosen assessment range. The bundled contaminant database is deliberately sparse: its plume lengths and decay constants come from published field surveys, microcosm studies and regulatory guidance, each value with its source.</source>
        <translation>Virelo hilft Gutachtern und Behörden zu beurteilen, ob Monitored Natural Attenuation ein Schutzgut im Abstrom eines Schadensherds schützen kann. Für jeden Schadstoff prüft es die Eingaben, schätzt die Fahnenlänge aus Kolbenströmung mit der Abstandsgeschwindigkeit und Abbau erster Ordnung und den Abminderungsfaktor am Schutzgut aus einer stationären analytischen Lösung auf der Mittellinie mit longitudinaler Dispersion, Abbau und seitlicher und vertikaler Ausbreitung einer rechteckigen Quelle. Jedes Ergebnis wird gegen einen gewählten Bewertungsbereich grün, gelb oder rot eingestuft. Die mitgelieferte Schadstoffdatenbank ist bewusst knapp: ihre Fahnenlängen und Zerfallskonstanten stammen aus veröffentlichten Felduntersuchungen, Mikrokosmosstudien und behördlichen Leitfäden, jeder Wert mit seiner Quelle.</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="57"/>
        <source>Version:		%1
Build-No:	%2</source>
        <translation>Version:		%1
Build-Nr.:	%2</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="61"/>
        <location filename="../app/AboutDialog.cpp" line="161"/>
        <source>About Virelo 1.0</source>
        <translation>Über Virelo 1.0</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="89"/>
        <source>Decision support for applying Monitored Natural
Attenuation at Megasites</source>
        <translation>Entscheidungshilfe für Monitored Natural
Attenuation an Großstandorten</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="94"/>
        <source>Version:		1.0
Build-No.:	xxxxxxx</source>
        <translation>Version:		1.0
Build-Nr.:	xxxxxxx</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="99"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="109"/>
        <source>General Informations</source>
        <translation>Allgemeines</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="118"/>
        <source>Copyright</source>
        <translation>Urheberrecht</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="126"/>
        <source>Realisation</source>
        <translation>Umsetzung</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="128"/>
        <source>Programming and design:
the Virelo developers
Virelo Software Workshop</source>
        <translation>Programmierung und Gestaltung:
die Virelo-Entwickler
Virelo Software Workshop</translation>
    </message>
    <message>
        <location filename="../app/AboutDialog.cpp" line="161"/>
        <source>Virelo 1.0 Loading ...</source>
        <translation>Virelo 1.0 wird geladen ...</translation>
    </message>
</context>
<context>
    <name>AnalyteMappingDialog</name>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="32"/>
        <source>Map analyte names</source>
        <translation>Analytnamen zuordnen</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="39"/>
        <source>No contaminant or indicator has these names, so the fits and the redox rules cannot use their samples. Choose what each one is; the project keeps the choice as an alias for later imports.</source>
        <translation>Kein Schadstoff und kein Indikator trägt diese Namen, daher können die Anpassungen und die Redoxregeln ihre Proben nicht nutzen. Wählen Sie, was jeder Name ist; das Projekt speichert die Wahl als Alias für spätere Importe.</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="44"/>
        <source>Name in the data</source>
        <translation>Name in den Daten</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="44"/>
        <source>Samples</source>
        <translation>Proben</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="44"/>
        <source>Is</source>
        <translation>Ist</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="55"/>
        <source>(keep as written)</source>
        <translation>(wie geschrieben lassen)</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="65"/>
        <source>Save as aliases</source>
        <translation>Als Aliase speichern</translation>
    </message>
    <message>
        <location filename="../analysis/AnalyteMappingDialog.cpp" line="98"/>
        <source>Nothing saved: %1</source>
        <translation>Nichts gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>CPropAqui</name>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="109"/>
        <source>Used for the plume&apos;s dissolved mass and the mass discharge (Site data). Left empty, the mass is per metre of thickness.</source>
        <translation>Für die gelöste Schadstoffmasse in der Fahne und die Schadstofffracht (Standortdaten). Leer gilt die Masse je Meter Mächtigkeit.</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="148"/>
        <location filename="../pages/CPropAqui.cpp" line="174"/>
        <source>Effective porosity ( ne )  &lt;= 1.0  :</source>
        <translation>Nutzbares Hohlraumvolumen ( ne ) &lt;= 1,0 :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="164"/>
        <source>Distance source - receptor</source>
        <translation>Abstand Quelle - Schutzgut</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="169"/>
        <source>Hydraulic parameters</source>
        <translation>Hydraulische Kennwerte</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="172"/>
        <source>Hydraulic conductivity ( Kf ) :</source>
        <translation>Durchlässigkeitsbeiwert ( Kf ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="173"/>
        <source>Hydraulic gradient ( i ) : </source>
        <translation>Hydraulischer Gradient ( i ) : </translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="177"/>
        <source>Saturated thickness ( b ) :</source>
        <translation>Wassergesättigte Mächtigkeit ( b ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="190"/>
        <source>Width across the flow</source>
        <translation>Breite quer zur Strömung</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="190"/>
        <source>water table ( Sz ) :</source>
        <translation>Grundwasserspiegel ( Sz ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="190"/>
        <location filename="../pages/CPropAqui.cpp" line="216"/>
        <source>ay (across, horizontal) :</source>
        <translation>ay (quer, horizontal) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="197"/>
        <source>Contaminant source</source>
        <translation>Schadensherd</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="200"/>
        <source>Width across the flow
( W = 2 Sy ) :</source>
        <translation>Breite quer zur Strömung
( W = 2 Sy ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="201"/>
        <source>Thickness below the
water table ( Sz ) :</source>
        <translation>Mächtigkeit unter dem
Grundwasserspiegel ( Sz ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="203"/>
        <source>Approximate by &amp;x</source>
        <translation>Aus &amp;x abschätzen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="211"/>
        <source>Dispersivity (3 Dimensions)</source>
        <translation>Dispersivität (3 Dimensionen)</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="215"/>
        <source>ax (along the flow) :</source>
        <translation>ax (längs der Strömung) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="217"/>
        <source>az (vertical) :</source>
        <translation>az (vertikal) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="220"/>
        <source>Only used for calculation attenuation factor ( AF )</source>
        <translation>Nur für den Abminderungsfaktor ( AF )</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="243"/>
        <source>Redox conditions</source>
        <translation>Redoxbedingungen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="257"/>
        <source>&amp;Unknown / variable</source>
        <translation>&amp;Unbekannt / wechselnd</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="258"/>
        <source>&amp;Aerobic conditions</source>
        <translation>&amp;Aerobe Bedingungen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="259"/>
        <source>Anaerobic &amp;mixed plumes</source>
        <translation>Anaerob, &amp;gemischte Fahnen</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="260"/>
        <source>Anaerobic &amp;NO3</source>
        <translation>Anaerob &amp;NO3</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="261"/>
        <source>Anaerobic &amp;SO4</source>
        <translation>Anaerob &amp;SO4</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="262"/>
        <source>Anaerobic &amp;Fe</source>
        <translation>Anaerob &amp;Fe</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="263"/>
        <source>Anaerobic &amp;CH4</source>
        <translation>Anaerob &amp;CH4</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="275"/>
        <source>Si&amp;te data...</source>
        <translation>S&amp;tandortdaten...</translation>
    </message>
    <message>
        <location filename="../pages/CPropAqui.cpp" line="282"/>
        <source>Generic decay constant available for following contaminants :</source>
        <translation>Generische Zerfallskonstante vorhanden für diese Schadstoffe :</translation>
    </message>
</context>
<context>
    <name>CPropConts</name>
    <message>
        <location filename="../pages/CPropConts.cpp" line="159"/>
        <source>Select contaminants:</source>
        <translation>Schadstoffe wählen:</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="166"/>
        <source>Assess plume &amp;length</source>
        <translation>Fahnen&amp;länge bewerten</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="169"/>
        <source>Assess &amp;attenuation factor</source>
        <translation>&amp;Abminderungsfaktor bewerten</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="174"/>
        <source>75th percentile of observed plume lengths in the literature : </source>
        <translation>75. Perzentil beobachteter Fahnenlängen in der Literatur : </translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="196"/>
        <source>Concentrations (same unit e.g. mg/l)</source>
        <translation>Konzentrationen (gleiche Einheit, z. B. mg/l)</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="203"/>
        <source>Concentration at source ( C0 ) :</source>
        <translation>Konzentration an der Quelle ( C0 ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="204"/>
        <source>Acceptable concentration at receptor ( CA ) :</source>
        <translation>Zulässige Konzentration am Schutzgut ( CA ) :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="246"/>
        <source>Decay constant ( lambda )</source>
        <translation>Zerfallskonstante ( lambda )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="248"/>
        <source>Use &amp;preset :</source>
        <translation>&amp;Vorgabe verwenden :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="256"/>
        <source>User defined :</source>
        <translation>Eigener Wert :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="268"/>
        <source>reference, report or wells the value comes from</source>
        <translation>Quelle, Bericht oder Messstellen des Werts</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="269"/>
        <source>Its source :</source>
        <translation>Quelle :</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="396"/>
        <source>( by %1 entries )</source>
        <translation>( aus %1 Einträgen )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="397"/>
        <source>( by ? entries )</source>
        <translation>( aus ? Einträgen )</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="399"/>
        <source>no literature plume length available</source>
        <translation>keine Fahnenlänge aus der Literatur</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="418"/>
        <source>No preset data available!</source>
        <translation>Keine Vorgabedaten vorhanden!</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="475"/>
        <source>Source: unknown, the literature table %1 is not installed</source>
        <translation>Quelle: unbekannt, die Literaturtabelle %1 ist nicht installiert</translation>
    </message>
    <message>
        <location filename="../pages/CPropConts.cpp" line="478"/>
        <source>Source: </source>
        <translation>Quelle: </translation>
    </message>
    <message>
        <location filename="../pages/CPropContsTree.cpp" line="163"/>
        <source>e&amp;xpand all</source>
        <translation>alle &amp;aufklappen</translation>
    </message>
    <message>
        <location filename="../pages/CPropContsTree.cpp" line="164"/>
        <source>&amp;collapse all</source>
        <translation>alle &amp;zuklappen</translation>
    </message>
    <message>
        <location filename="../pages/CPropContsTree.cpp" line="166"/>
        <source>expand &amp;calculated contaminants</source>
        <translation>&amp;berechnete Schadstoffe aufklappen</translation>
    </message>
</context>
<context>
    <name>CPropProject</name>
    <message>
        <location filename="../pages/CPropProject.cpp" line="129"/>
        <source>The unit of C0, CA and every concentration Virelo shows</source>
        <translation>Die Einheit von C0, CA und jeder Konzentration, die Virelo zeigt</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="132"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="135"/>
        <source>Title: </source>
        <translation>Titel: </translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="137"/>
        <location filename="../pages/CPropProject.cpp" line="211"/>
        <source>Short description:</source>
        <translation>Kurzbeschreibung:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="141"/>
        <source>Author:</source>
        <translation>Bearbeiter:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="143"/>
        <source>Organisation:</source>
        <translation>Organisation:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="145"/>
        <source>Concentration unit:</source>
        <translation>Konzentrationseinheit:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="183"/>
        <source>File information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="185"/>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="190"/>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="192"/>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="194"/>
        <source>Created:</source>
        <translation>Erstellt:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="196"/>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="198"/>
        <source>Last access:</source>
        <translation>Letzter Zugriff:</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="249"/>
        <source>The project file&apos;s single-byte fields keep %1; the full texts are kept in its settings.</source>
        <translation>Die Ein-Byte-Felder der Projektdatei enthalten %1; die vollständigen Texte stehen in ihren Einstellungen.</translation>
    </message>
    <message>
        <location filename="../pages/CPropProject.cpp" line="327"/>
        <source>%1 Bytes</source>
        <translation>%1 Byte</translation>
    </message>
</context>
<context>
    <name>CPropResults</name>
    <message>
        <location filename="../pages/CPropResults.cpp" line="178"/>
        <source>Problem %1: %2 %3</source>
        <translation>Problem %1: %2 %3</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="254"/>
        <source>Show &amp;problems</source>
        <translation>&amp;Probleme zeigen</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="270"/>
        <source>&amp;Robustness...</source>
        <translation>&amp;Robustheit...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="274"/>
        <source>Show p&amp;lume...</source>
        <translation>&amp;Fahne zeigen...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="341"/>
        <source>PLUME LENGTH ASSESSMENT: &quot;%1&quot;</source>
        <translation>BEWERTUNG DER FAHNENLÄNGE: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="341"/>
        <source>ATTENUATION FACTOR ASSESSMENT: &quot;%1&quot;</source>
        <translation>BEWERTUNG DES ABMINDERUNGSFAKTORS: &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="343"/>
        <source>%1 problem(s):</source>
        <translation>%1 Problem(e):</translation>
    </message>
    <message>
        <location filename="../pages/CPropResults.cpp" line="359"/>
        <source>Problem %1 (the verdict stands without the wells): %2</source>
        <translation>Problem %1 (das Urteil steht ohne die Messstellen): %2</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="133"/>
        <source>&amp;Verdict basis : </source>
        <translation>&amp;Bewertungsgrundlage : </translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="138"/>
        <source>Which model&apos;s receptor concentration decides the class of the attenuation factor</source>
        <translation>Welches Modell mit seiner Konzentration am Schutzgut die Klasse des Abminderungsfaktors bestimmt</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="170"/>
        <source>Plume length :</source>
        <translation>Fahnenlänge :</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="170"/>
        <source>Attenuation factor :</source>
        <translation>Abminderungsfaktor :</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="173"/>
        <source>Assessment range : </source>
        <translation>Bewertungsbereich : </translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="181"/>
        <source>Ro&amp;bustness...</source>
        <translation>Ro&amp;bustheit...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="184"/>
        <source>How far each input is from changing the marked result&apos;s class</source>
        <translation>Wie weit jede Eingabe von einem Klassenwechsel des markierten Ergebnisses entfernt ist</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="194"/>
        <source>Pl&amp;ume...</source>
        <translation>&amp;Fahne...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="196"/>
        <source>Centre line and plan view of the selected contaminant&apos;s plume</source>
        <translation>Mittellinie und Draufsicht der Fahne des gewählten Schadstoffs</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="205"/>
        <source>Uncer&amp;tainty...</source>
        <translation>Unsi&amp;cherheit...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="207"/>
        <source>The probability of each class from ranges of the inputs</source>
        <translation>Die Wahrscheinlichkeit jeder Klasse aus Bereichen der Eingaben</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="212"/>
        <source>&amp;Chain...</source>
        <translation>&amp;Kette...</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="214"/>
        <source>The project&apos;s decay chains: parents and the daughters they form</source>
        <translation>Die Abbauketten des Projekts: Ausgangsstoffe und ihre Tochterprodukte</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="309"/>
        <source>Plume extension</source>
        <translation>Fahnenausdehnung</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="309"/>
        <source>Acceptable concentration at source</source>
        <translation>Zulässige Konzentration an der Quelle</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="311"/>
        <source>Distance source receptor</source>
        <translation>Abstand Quelle Schutzgut</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="311"/>
        <source>Concentration at source</source>
        <translation>Konzentration an der Quelle</translation>
    </message>
</context>
<context>
    <name>CentrelineChart</name>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="78"/>
        <source>Not detected (limit)</source>
        <translation>Nicht nachweisbar (Grenze)</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="79"/>
        <source>Measured C/C0, %1</source>
        <translation>Gemessenes C/C0, %1</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="93"/>
        <source>%1: concentration on the centre line</source>
        <translation>%1: Konzentration auf der Mittellinie</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="110"/>
        <source>Screening model</source>
        <translation>Screening-Modell</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="113"/>
        <source>Exact solution</source>
        <translation>Exakte Lösung</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="134"/>
        <source>Receptor, x = %1 m</source>
        <translation>Schutzgut, x = %1 m</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="144"/>
        <source>Plug-flow length, d = %1 m%2</source>
        <translation>Pfropfenströmungslänge, d = %1 m%2</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="146"/>
        <source> (beyond the chart)</source>
        <translation> (außerhalb des Diagramms)</translation>
    </message>
    <message>
        <location filename="../analysis/CentrelineChart.cpp" line="157"/>
        <source>Distance from the source s [m]</source>
        <translation>Abstand vom Schadensherd s [m]</translation>
    </message>
</context>
<context>
    <name>CentrelineChartView</name>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="135"/>
        <source>s = %1 m
Screening C/C0 = %2
Exact C/C0 = %3</source>
        <translation>s = %1 m
Screening C/C0 = %2
Exakt C/C0 = %3</translation>
    </message>
</context>
<context>
    <name>ChainChart</name>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="76"/>
        <source>Concentrations on the centre line (solid: screening, dashed: exact, dotted: each CA)</source>
        <translation>Konzentrationen auf der Mittellinie (durchgezogen: Screening, gestrichelt: exakt, gepunktet: jeweiliges CA)</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="106"/>
        <source>, exact</source>
        <translation>, exakt</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="126"/>
        <source>Receptor, x = %1 m</source>
        <translation>Schutzgut, x = %1 m</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="132"/>
        <source>Distance from the source s [m]</source>
        <translation>Abstand vom Schadensherd s [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="137"/>
        <source>Concentration</source>
        <translation>Konzentration</translation>
    </message>
    <message>
        <location filename="../analysis/ChainChart.cpp" line="138"/>
        <source>Concentration [%1]</source>
        <translation>Konzentration [%1]</translation>
    </message>
</context>
<context>
    <name>ChainWindow</name>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="85"/>
        <source>Decay chain</source>
        <translation>Abbaukette</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="90"/>
        <source>Chain:</source>
        <translation>Kette:</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="94"/>
        <source>&amp;New chain</source>
        <translation>&amp;Neue Kette</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="95"/>
        <source>&amp;Delete chain</source>
        <translation>Kette &amp;löschen</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="102"/>
        <source>Species, parent first</source>
        <translation>Stoffe, Ausgangsstoff zuerst</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="107"/>
        <location filename="../analysis/ChainWindow.cpp" line="141"/>
        <source>Species</source>
        <translation>Stoff</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="107"/>
        <source>Yield</source>
        <translation>Ausbeute</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="115"/>
        <source>The yield is the mass of the species formed per mass of the species above it that decays.
k, C0 and CA are the contaminant&apos;s own values from the Contaminants page.</source>
        <translation>Die Ausbeute ist die Masse des gebildeten Stoffes je Masse des darüber stehenden Stoffes, die abgebaut wird.
k, C0 und CA sind die eigenen Werte des Schadstoffs von der Seite Schadstoffe.</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="120"/>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="121"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="122"/>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="123"/>
        <source>Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="124"/>
        <source>Default &amp;yields</source>
        <translation>Standard-&amp;Ausbeuten</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="137"/>
        <source>At the receptor</source>
        <translation>Am Schutzgut</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="141"/>
        <source>Screening</source>
        <translation>Screening</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="141"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="142"/>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="142"/>
        <source>Exact class</source>
        <translation>Exakte Klasse</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="142"/>
        <source>Alone</source>
        <translation>Allein</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="147"/>
        <source>Concentrations at the receptor in the chain, under the screening formula and the exact
solution, classified by C/CA. &quot;Alone&quot; is the class the contaminant gets on the
Results page, assessed on its own with its own source concentration.</source>
        <translation>Konzentrationen am Schutzgut in der Kette, nach der Screening-Formel und der exakten
Lösung, eingestuft nach C/CA. „Allein“ ist die Klasse, die der Schadstoff auf der
Ergebnisseite erhält, für sich bewertet mit seiner eigenen Quellkonzentration.</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="162"/>
        <source>Solid: screening formula; dashed: exact solution; dotted: each species&apos; CA.</source>
        <translation>Durchgezogen: Screening-Formel; gestrichelt: exakte Lösung; gepunktet: CA jedes Stoffes.</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="209"/>
        <source>(no chain: choose New chain)</source>
        <translation>(keine Kette: Neue Kette wählen)</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="345"/>
        <source>End product: %1 (decays no further, not assessed)</source>
        <translation>Endprodukt: %1 (wird nicht weiter abgebaut, nicht bewertet)</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="350"/>
        <location filename="../analysis/ChainWindow.cpp" line="430"/>
        <source>Released: first species only</source>
        <translation>Freigesetzt: nur der erste Stoff</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="353"/>
        <source>The others formed in the aquifer: the solvent screening counts finding them as evidence of dechlorination</source>
        <translation>Die übrigen entstanden im Grundwasserleiter: das Screening der Lösemittel wertet ihren Nachweis als Hinweis auf Dechlorierung</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="395"/>
        <source> (end product)</source>
        <translation> (Endprodukt)</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="412"/>
        <source>parent</source>
        <translation>Ausgangsstoff</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="429"/>
        <source>Released: %1 only</source>
        <translation>Freigesetzt: nur %1</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="448"/>
        <source>The project has no decay chain yet.</source>
        <translation>Das Projekt hat noch keine Abbaukette.</translation>
    </message>
    <message>
        <location filename="../analysis/ChainWindow.cpp" line="458"/>
        <source>At the receptor, x = %1 m</source>
        <translation>Am Schutzgut, x = %1 m</translation>
    </message>
</context>
<context>
    <name>ColumnMappingDialog</name>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="23"/>
        <source>well</source>
        <translation>Messstelle</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="24"/>
        <source>sampling date</source>
        <translation>Probenahmedatum</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="25"/>
        <source>analyte (contaminant or indicator)</source>
        <translation>Analyt (Schadstoff oder Indikator)</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="26"/>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="27"/>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="28"/>
        <source>not detected (yes/no)</source>
        <translation>nicht nachweisbar (ja/nein)</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="29"/>
        <source>detection limit</source>
        <translation>Nachweisgrenze</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="30"/>
        <source>easting [m]</source>
        <translation>Rechtswert [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="31"/>
        <source>northing [m]</source>
        <translation>Hochwert [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="32"/>
        <source>s, distance along the flow [m]</source>
        <translation>s, Abstand in Fließrichtung [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="33"/>
        <source>y, offset across the flow [m]</source>
        <translation>y, Abstand quer zur Fließrichtung [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="34"/>
        <source>in the decay fit (yes/no)</source>
        <translation>in der Abbauanpassung (ja/nein)</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="35"/>
        <source>groundwater head [m]</source>
        <translation>Grundwasserstand [m]</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="36"/>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="46"/>
        <source>Map table columns</source>
        <translation>Tabellenspalten zuordnen</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="49"/>
        <source>The table has columns whose names Virelo does not know. Choose what each one holds; the project keeps the choice for later imports.</source>
        <translation>Die Tabelle hat Spalten, deren Namen Virelo nicht kennt. Wählen Sie, was jede enthält; das Projekt speichert die Wahl für spätere Importe.</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="54"/>
        <source>Column in the table</source>
        <translation>Spalte in der Tabelle</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="54"/>
        <source>Holds</source>
        <translation>Enthält</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="62"/>
        <source>(leave unnamed)</source>
        <translation>(ohne Namen lassen)</translation>
    </message>
    <message>
        <location filename="../analysis/ColumnMappingDialog.cpp" line="69"/>
        <source>Import with these columns</source>
        <translation>Mit diesen Spalten importieren</translation>
    </message>
</context>
<context>
    <name>ContaminantEditorDialog</name>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="131"/>
        <source>Edit contaminant data</source>
        <translation>Schadstoffdaten bearbeiten</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="142"/>
        <source>Contaminants</source>
        <translation>Schadstoffe</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="181"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="193"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="194"/>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="198"/>
        <source>75th percentile of observed plume lengths in literature: </source>
        <translation>75. Perzentil beobachteter Fahnenlängen in der Literatur: </translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="202"/>
        <source>75th percentile [m] :</source>
        <translation>75. Perzentil [m] :</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="203"/>
        <source>Number of lit. entries:</source>
        <translation>Anzahl Lit.-Einträge:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="206"/>
        <source>Decay constants (lambda)  [1/d]</source>
        <translation>Zerfallskonstanten (lambda)  [1/d]</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="215"/>
        <source>aerobic:</source>
        <translation>aerob:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="216"/>
        <source>anerobic nitrate (NO3):</source>
        <translation>anaerob Nitrat (NO3):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="217"/>
        <source>anaerobic iron (Fe):</source>
        <translation>anaerob Eisen (Fe):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="218"/>
        <source>anaerobic sulfate (SO4):</source>
        <translation>anaerob Sulfat (SO4):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="219"/>
        <source>anaerobic mixed plumes:</source>
        <translation>anaerob, gemischte Fahnen:</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="220"/>
        <source>anaerobic methan (CH4):</source>
        <translation>anaerob Methan (CH4):</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="221"/>
        <source>unknown / variable :</source>
        <translation>unbekannt / wechselnd :</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="223"/>
        <source>aerobic</source>
        <translation>aerob</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="224"/>
        <source>anaerobic methan (CH4)</source>
        <translation>anaerob Methan (CH4)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="225"/>
        <source>anaerobic iron (Fe)</source>
        <translation>anaerob Eisen (Fe)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="226"/>
        <source>anaerobic mixed plumes</source>
        <translation>anaerob, gemischte Fahnen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="227"/>
        <source>anerobic nitrate (NO3)</source>
        <translation>anaerob Nitrat (NO3)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="228"/>
        <source>anaerobic sulfate (SO4)</source>
        <translation>anaerob Sulfat (SO4)</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="229"/>
        <source>unknown / variable</source>
        <translation>unbekannt / wechselnd</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="236"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="237"/>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="244"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="279"/>
        <source>&amp;Add contaminant</source>
        <translation>Schadstoff &amp;hinzufügen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="280"/>
        <source>&amp;Remove selected</source>
        <translation>Auswahl &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="420"/>
        <source>A decay constant must not be negative; kept as it was:
</source>
        <translation>Eine Zerfallskonstante darf nicht negativ sein; unverändert gelassen:
</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="421"/>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="591"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantEditorDialog.cpp" line="591"/>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>ContaminantGroup</name>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="20"/>
        <source>BTEX</source>
        <translation>BTEX</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="21"/>
        <source>Chlorobenzenes</source>
        <translation>Chlorbenzole</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="22"/>
        <source>Chlorinated Aliphatics</source>
        <translation>Chlorierte Aliphaten</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="23"/>
        <source>Hydrocarbons</source>
        <translation>Kohlenwasserstoffe</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="24"/>
        <source>PAH</source>
        <translation>PAK</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="25"/>
        <source>Pesticides</source>
        <translation>Pestizide</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="26"/>
        <source>Compounds</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <location filename="../pages/ContaminantTreeModel.cpp" line="27"/>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>DataCommands</name>
    <message>
        <location filename="../app/DataCommands.cpp" line="21"/>
        <source>&amp;Edit generic contaminant data</source>
        <translation>Generische Schadstoffdaten &amp;bearbeiten</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="23"/>
        <source>&amp;Save generic data as default</source>
        <translation>Generische Daten als &amp;Standard speichern</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="25"/>
        <source>Si&amp;te data...</source>
        <translation>S&amp;tandortdaten...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="26"/>
        <source>&amp;Decay chain...</source>
        <translation>&amp;Abbaukette...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="27"/>
        <source>&amp;Uncertainty...</source>
        <translation>&amp;Unsicherheit...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="28"/>
        <source>S&amp;orption and source...</source>
        <translation>S&amp;orption und Quelle...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="29"/>
        <source>T&amp;ime...</source>
        <translation>Ze&amp;it...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="30"/>
        <source>&amp;Lines of evidence...</source>
        <translation>Beweis&amp;linien...</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="32"/>
        <source>Load &amp;application defaults</source>
        <translation>&amp;Programmvorgaben laden</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="87"/>
        <source>This will change your currently used default-contaminants.
Are you shure?</source>
        <translation>Dies ändert die derzeit verwendeten Standardschadstoffe.
Sind Sie sicher?</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="89"/>
        <source>Changing generic contaminant data</source>
        <translation>Generische Schadstoffdaten ändern</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="94"/>
        <source>Contaminants saved!</source>
        <translation>Schadstoffe gespeichert!</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="95"/>
        <location filename="../app/DataCommands.cpp" line="123"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="98"/>
        <source>Saving contaminant-data failed!</source>
        <translation>Speichern der Schadstoffdaten fehlgeschlagen!</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="99"/>
        <location filename="../app/DataCommands.cpp" line="114"/>
        <source>Virelo-Error</source>
        <translation>Virelo-Fehler</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="106"/>
        <source>Loading application default contaminants?</source>
        <translation>Standardschadstoffe des Programms laden?</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="107"/>
        <source>contaminant data</source>
        <translation>Schadstoffdaten</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="113"/>
        <source>Loading contaminant-data failed!</source>
        <translation>Laden der Schadstoffdaten fehlgeschlagen!</translation>
    </message>
    <message>
        <location filename="../app/DataCommands.cpp" line="122"/>
        <source>Default contaminants loaded!</source>
        <translation>Standardschadstoffe geladen!</translation>
    </message>
</context>
<context>
    <name>DistributionTableModel</name>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="37"/>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="38"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="39"/>
        <source>Distribution</source>
        <translation>Verteilung</translation>
    </message>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="40"/>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="../analysis/DistributionTableModel.cpp" line="182"/>
        <source>from the site&apos;s wells, %1 % interval %2–%3 1/d</source>
        <translation>aus den Messstellen des Standorts, %1-%-Intervall %2–%3 1/d</translation>
    </message>
</context>
<context>
    <name>EngineSentence</name>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="223"/>
        <source>followed through its decay chain %1 at R = %2, the smallest of its species&apos; (the earliest arrival)</source>
        <translation>über seine Abbaukette %1 verfolgt, mit R = %2, dem kleinsten ihrer Stoffe (die früheste Ankunft)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="226"/>
        <source>own factors differ: %1</source>
        <translation>eigene Faktoren weichen ab: %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="227"/>
        <source>%1 evidence for reductive dechlorination</source>
        <translation>Belege für reduktive Dechlorierung: %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="228"/>
        <source>alkalinity not measured in a background well (marked %1)</source>
        <translation>Alkalinität in keiner Hintergrundmessstelle gemessen (markiert: %1)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="229"/>
        <source>alkalinity not measured in a background well (upstream %1)</source>
        <translation>Alkalinität in keiner Hintergrundmessstelle gemessen (im Anstrom: %1)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="230"/>
        <source>alkalinity below %1 mg/L (median of the latest values at marked %2)</source>
        <translation>Alkalinität unter %1 mg/L (Median der letzten Werte an den markierten Messstellen %2)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="232"/>
        <source>alkalinity below %1 mg/L (median of the latest values at upstream %2)</source>
        <translation>Alkalinität unter %1 mg/L (Median der letzten Werte an den Messstellen im Anstrom %2)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="234"/>
        <source>alkalinity %1 mg/L (median of the latest values at marked %2)</source>
        <translation>Alkalinität %1 mg/L (Median der letzten Werte an den markierten Messstellen %2)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="235"/>
        <source>alkalinity %1 mg/L (median of the latest values at upstream %2)</source>
        <translation>Alkalinität %1 mg/L (Median der letzten Werte an den Messstellen im Anstrom %2)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="236"/>
        <source>round %1: no value at %2</source>
        <translation>Kampagne %1: kein Wert an %2</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="237"/>
        <source>The project&apos;s concentration unit &quot;%1&quot; is not one Virelo converts to kg/m3 (ug/L, mg/L, ng/L, g/L, g/m3, mg/m3, kg/m3): no source decay from the mass.</source>
        <translation>Die Konzentrationseinheit &quot;%1&quot; des Projekts ist keine, die Virelo in kg/m3 umrechnet (ug/L, mg/L, ng/L, g/L, g/m3, mg/m3, kg/m3): kein Abklingen der Quelle aus der Masse.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="241"/>
        <source>Kf = %1 m/d is below %2 m/d, as tight as silt or clay: entered in m/s? 1e-4 m/s = 8.64 m/d</source>
        <translation>Kf = %1 m/d liegt unter %2 m/d, so dicht wie Schluff oder Ton: in m/s eingegeben? 1e-4 m/s = 8,64 m/d</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="244"/>
        <source>Kf = %1 m/d is above %2 m/d, more than even open gravel conducts</source>
        <translation>Kf = %1 m/d liegt über %2 m/d, mehr als selbst offener Kies leitet</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="245"/>
        <source>i = %1 is above %2, steeper than groundwater gradients usually are: entered in per cent or per mille?</source>
        <translation>i = %1 liegt über %2, steiler als Grundwassergefälle gewöhnlich sind: in Prozent oder Promille eingegeben?</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="248"/>
        <source>ne = %1 is below %2, less than even fractured rock usually offers to the flow</source>
        <translation>ne = %1 liegt unter %2, weniger als selbst Kluftgestein der Strömung gewöhnlich bietet</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="250"/>
        <source>ne = %1 is above %2, more than the total porosity of sand and gravel</source>
        <translation>ne = %1 liegt über %2, mehr als die Gesamtporosität von Sand und Kies</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="252"/>
        <source>The seepage velocity v = Kf * i / ne = %1 m/d is above %2 m/d: check Kf, i and ne</source>
        <translation>Die Abstandsgeschwindigkeit v = Kf * i / ne = %1 m/d liegt über %2 m/d: prüfen Sie Kf, i und ne</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="254"/>
        <source>The seepage velocity v = Kf * i / ne = %1 m/d is below %2 m/d: check Kf, i and ne</source>
        <translation>Die Abstandsgeschwindigkeit v = Kf * i / ne = %1 m/d liegt unter %2 m/d: prüfen Sie Kf, i und ne</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="256"/>
        <source>ax = %1 m is greater than the distance x = %2 m; field values lie far below x</source>
        <translation>ax = %1 m ist größer als der Abstand x = %2 m; Feldwerte liegen weit unter x</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="258"/>
        <source>ay = %1 m is greater than ax = %2 m; transverse spreading is usually about a tenth of the longitudinal</source>
        <translation>ay = %1 m ist größer als ax = %2 m; die Querausbreitung beträgt gewöhnlich etwa ein Zehntel der Längsausbreitung</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="261"/>
        <source>az = %1 m is greater than ay = %2 m; vertical spreading is usually far smaller than horizontal</source>
        <translation>az = %1 m ist größer als ay = %2 m; die vertikale Ausbreitung ist gewöhnlich weit kleiner als die horizontale</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="264"/>
        <source>rho_b = %1 kg/L lies outside 1.2 to 2.4 kg/L, the bulk densities of aquifer sediments: entered in g/cm3 or t/m3 it is the same number; in kg/m3 divide by 1000.</source>
        <translation>rho_b = %1 kg/L liegt außerhalb von 1,2 bis 2,4 kg/L, den Trockenrohdichten von Grundwasserleitersedimenten: in g/cm3 oder t/m3 ist es dieselbe Zahl; in kg/m3 durch 1000 teilen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="268"/>
        <source>foc = %1 is above 0.05, more organic carbon than aquifer sands and gravels hold: a percentage typed as a fraction? 0.1 % is foc = 0.001.</source>
        <translation>foc = %1 liegt über 0,05, mehr organischer Kohlenstoff, als Sande und Kiese eines Grundwasserleiters enthalten: ein Prozentwert als Anteil eingegeben? 0,1 % ist foc = 0,001.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="271"/>
        <source>wells not compared (%1)</source>
        <translation>Messstellen nicht verglichen (%1)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="272"/>
        <source>%1; %2 over the whole %3 % interval of λ</source>
        <translation>%1; %2 über das ganze %3-%-Intervall von λ</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="273"/>
        <source>%1; %2 to %3 over the %4 % interval of λ</source>
        <translation>%1; %2 bis %3 über das %4-%-Intervall von λ</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="274"/>
        <source>Fewer than three detected values at different distances on %1 at wells in the fit: no decay constant.</source>
        <translation>Weniger als drei nachgewiesene Werte in verschiedenen Abständen an Messstellen der Anpassung (Datum: %1): keine Zerfallskonstante.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="277"/>
        <source>The concentration does not fall with distance (slope %1 1/m): no attenuation shown.</source>
        <translation>Die Konzentration nimmt mit dem Abstand nicht ab (Steigung %1 1/m): keine Abnahme belegt.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="279"/>
        <source>The slope&apos;s %1 interval (%2 to %3 1/m) contains 0: no attenuation shown.</source>
        <translation>Das %1-Intervall der Steigung (%2 bis %3 1/m) enthält 0: keine Abnahme belegt.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="281"/>
        <source>Well %1 lies %2 m off the centre line, more than the source half-width Sy = %3 m; the flow azimuth (%4°) places the wells and may be the cause: check it on Flow field.</source>
        <translation>Messstelle %1 liegt %2 m neben der Mittellinie, mehr als die halbe Quellbreite Sy = %3 m; das Azimut der Strömung (%4°) platziert die Messstellen und kann die Ursache sein: prüfen Sie es unter Strömungsfeld.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="284"/>
        <source>Well %1 lies %2 m off the centre line, more than the source half-width Sy = %3 m; the flow azimuth (%4°) places the wells and may be the cause: %5 would place them otherwise (check on Flow field).</source>
        <translation>Messstelle %1 liegt %2 m neben der Mittellinie, mehr als die halbe Quellbreite Sy = %3 m; das Azimut der Strömung (%4°) platziert die Messstellen und kann die Ursache sein: %5 würde sie anders platzieren (prüfen unter Strömungsfeld).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="288"/>
        <source>Well %1 lies %2 m off the centre line, more than the source half-width Sy = %3 m.</source>
        <translation>Messstelle %1 liegt %2 m neben der Mittellinie, mehr als die halbe Quellbreite Sy = %3 m.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="290"/>
        <source>Well %1 lies beyond the receptor (s = %2 m, x = %3 m).</source>
        <translation>Messstelle %1 liegt hinter dem Schutzgut (s = %2 m, x = %3 m).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="291"/>
        <source>Concentrations at well %1 are %2 (Mann-Kendall): the plume may not be at steady state, which the distance method needs.</source>
        <translation>Die Konzentrationen an Messstelle %1 sind %2 (Mann-Kendall): die Fahne ist womöglich nicht stationär, was die Abstandsmethode voraussetzt.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="295"/>
        <source>The project&apos;s concentration unit &quot;%1&quot; is not one Virelo relates to the samples&apos; units (ng/L, ug/L, mg/L): the wells&apos; concentrations cannot be compared with CA.</source>
        <translation>Die Konzentrationseinheit &quot;%1&quot; des Projekts ist keine, die Virelo mit den Einheiten der Proben (ng/L, ug/L, mg/L) verbindet: die Konzentrationen der Messstellen können nicht mit CA verglichen werden.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="299"/>
        <source>Over %1 rounds: the plume&apos;s mass %2, its centre of mass %3.</source>
        <translation>Über %1 Messkampagnen: Masse der Fahne %2, ihr Schwerpunkt %3.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="300"/>
        <source>Wells: %1.</source>
        <translation>Messstellen: %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="301"/>
        <source>No light: the plume&apos;s mass needs four sampling rounds of the same wells, the site has %1.</source>
        <translation>Keine Ampel: die Masse der Fahne braucht vier Messkampagnen derselben Messstellen, der Standort hat %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="304"/>
        <source>No mass discharge: %1</source>
        <translation>Keine Schadstofffracht: %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="305"/>
        <source>Mass discharge: %1.</source>
        <translation>Schadstofffracht: %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="306"/>
        <source>%1 has no round with all its wells</source>
        <translation>%1 hat keine Messkampagne mit allen seinen Messstellen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="307"/>
        <source>%1 %2 g/d per m of thickness on %3</source>
        <translation>%1 %2 g/d je m Mächtigkeit am %3</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="308"/>
        <source>%1 %2 g/d on %3</source>
        <translation>%1 %2 g/d am %3</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="309"/>
        <source>From %1 to %2 it falls to %3 % over %4 m.</source>
        <translation>Von %1 bis %2 fällt sie auf %3 % über %4 m.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="310"/>
        <source>From %1 to %2 it grows to %3 % over %4 m.</source>
        <translation>Von %1 bis %2 steigt sie auf %3 % über %4 m.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="311"/>
        <source>The wells suggest %1.</source>
        <translation>Die Messstellen deuten auf %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="312"/>
        <source>Solvent score %1 at %2 (inadequate evidence of dechlorination).</source>
        <translation>Lösemittel-Score %1 an %2 (unzureichende Hinweise auf reduktive Dechlorierung).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="313"/>
        <source>Solvent score %1 at %2 (limited evidence of dechlorination).</source>
        <translation>Lösemittel-Score %1 an %2 (begrenzte Hinweise auf reduktive Dechlorierung).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="314"/>
        <source>Solvent score %1 at %2 (adequate evidence of dechlorination).</source>
        <translation>Lösemittel-Score %1 an %2 (ausreichende Hinweise auf reduktive Dechlorierung).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="315"/>
        <source>Solvent score %1 at %2 (strong evidence of dechlorination).</source>
        <translation>Lösemittel-Score %1 an %2 (starke Hinweise auf reduktive Dechlorierung).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="316"/>
        <source>The literature gives it a decay constant of %1 1/d there.</source>
        <translation>Die Literatur gibt dort eine Zerfallskonstante von %1 1/d an.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="317"/>
        <source>λ from the wells %1 1/d (%2 to %3), the project&apos;s %4 1/d.</source>
        <translation>λ aus den Messstellen %1 1/d (%2 bis %3), die des Projekts %4 1/d.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="318"/>
        <source>Attenuation factor %1 by the models.</source>
        <translation>Abminderungsfaktor %1 nach den Modellen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="319"/>
        <source>Attenuation factor %1 (worse than the screening model by: %2).</source>
        <translation>Abminderungsfaktor %1 (schlechter als das Screening-Modell durch: %2).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="320"/>
        <source>No time frame: %1</source>
        <translation>Kein Zeitrahmen: %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="321"/>
        <source>The receptor exceeds CA from %1 to %2.</source>
        <translation>Am Schutzgut wird CA von %1 bis %2 überschritten.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="322"/>
        <source>The receptor first exceeds CA after %1 and stays above it.</source>
        <translation>Am Schutzgut wird CA erstmals nach %1 überschritten und bleibt überschritten.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="323"/>
        <source>The source meets its target after %1.</source>
        <translation>Die Quelle erreicht ihr Ziel nach %1.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="324"/>
        <source>%1 d (%2 years)</source>
        <translation>%1 d (%2 Jahre)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="325"/>
        <source>the anaerobic wells agree on %1</source>
        <translation>die anaeroben Messstellen stimmen auf %1 überein</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="326"/>
        <source>R = 1 + rho_b Koc foc / ne = %1</source>
        <translation>R = 1 + rho_b Koc foc / ne = %1</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="327"/>
        <source>source decaying at ks = %1 1/d</source>
        <translation>Quelle abnehmend mit ks = %1 1/d</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="328"/>
        <source>source decaying by mass balance: ks = Q C0 / M0 = %1 1/d, Q = %2 m3/d</source>
        <translation>Quelle abnehmend nach Massenbilanz: ks = Q C0 / M0 = %1 1/d, Q = %2 m3/d</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="13"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="14"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="15"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="16"/>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="17"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="18"/>
        <source>Increasing</source>
        <translation>Zunehmend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="19"/>
        <source>Probably Increasing</source>
        <translation>Wahrscheinlich zunehmend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="20"/>
        <source>No Trend</source>
        <translation>Kein Trend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="21"/>
        <source>Stable</source>
        <translation>Stabil</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="22"/>
        <source>Probably Decreasing</source>
        <translation>Wahrscheinlich abnehmend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="23"/>
        <source>Decreasing</source>
        <translation>Abnehmend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="24"/>
        <source>without a trend class</source>
        <translation>ohne Trendklasse</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="25"/>
        <source>plume behaviour</source>
        <translation>Verhalten der Fahne</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="26"/>
        <source>mass discharge</source>
        <translation>Schadstofffracht</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="27"/>
        <source>geochemistry</source>
        <translation>Geochemie</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="28"/>
        <source>model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="29"/>
        <source>time frame</source>
        <translation>Zeitrahmen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="30"/>
        <source>UNKOWN / VARIABLE</source>
        <translation>UNBEKANNT / WECHSELND</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="31"/>
        <source>AEROBIC</source>
        <translation>AEROB</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="32"/>
        <source>ANAEROBIC-NO3</source>
        <translation>ANAEROB-NO3</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="33"/>
        <source>ANAEROBIC-FE</source>
        <translation>ANAEROB-FE</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="34"/>
        <source>ANAEROBIC-SO4</source>
        <translation>ANAEROB-SO4</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="35"/>
        <source>ANAEROBIC-MIXED-PLUMES</source>
        <translation>ANAEROB-GEMISCHTE-FAHNEN</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="36"/>
        <source>ANAEROBIC-CH4</source>
        <translation>ANAEROB-CH4</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="37"/>
        <source>screening model</source>
        <translation>Screening-Modell</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="38"/>
        <source>exact solution</source>
        <translation>exakte Lösung</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="39"/>
        <source>worse of the two</source>
        <translation>schlechteres von beiden</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="40"/>
        <source>exact</source>
        <translation>exakt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="41"/>
        <source>chain</source>
        <translation>Kette</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="42"/>
        <source>wells</source>
        <translation>Messstellen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="43"/>
        <source>No monitoring rounds: import the wells&apos; monitoring data to see the plume over time.</source>
        <translation>Keine Messkampagnen: die Überwachungsdaten der Messstellen importieren, um die Fahne über die Zeit zu sehen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="45"/>
        <source>No light: the plume&apos;s mass could not be computed.</source>
        <translation>Keine Ampel: die Masse der Fahne ließ sich nicht berechnen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="46"/>
        <source>No monitoring rounds: import the wells&apos; monitoring data and name a transect.</source>
        <translation>Keine Messkampagnen: die Überwachungsdaten der Messstellen importieren und einen Transekt benennen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="48"/>
        <source>No transect: name wells across the flow as a transect (Site data: Plume as a whole).</source>
        <translation>Kein Transekt: Messstellen quer zur Strömung als Transekt benennen (Standortdaten: Fahne als Ganzes).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="50"/>
        <source>No light: a trend needs four rounds with all of a transect&apos;s wells, and a decline two transects sampled in one round.</source>
        <translation>Keine Ampel: ein Trend braucht vier Messkampagnen mit allen Messstellen eines Transekts, eine Abnahme zwei in einer Kampagne beprobte Transekte.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="53"/>
        <source>No redox indicators: measure oxygen, nitrate, iron(II), sulfate, sulfide and methane.</source>
        <translation>Keine Redoxindikatoren: Sauerstoff, Nitrat, Eisen(II), Sulfat, Sulfid und Methan messen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="56"/>
        <source>No solvent score: none of its parameters is measured.</source>
        <translation>Kein Lösemittel-Score: keiner seiner Parameter ist gemessen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="57"/>
        <source>The literature gives it no decay there.</source>
        <translation>Die Literatur gibt dort keinen Abbau an.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="58"/>
        <source>The database has no decay constant of it for that condition.</source>
        <translation>Die Datenbank hat für diese Bedingung keine Zerfallskonstante davon.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="59"/>
        <source>The condition is not clear enough to judge degradation.</source>
        <translation>Die Bedingung ist nicht klar genug, um den Abbau zu beurteilen.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="60"/>
        <source>No verdict: the inputs have problems (see the Results page).</source>
        <translation>Kein Urteil: die Eingaben haben Probleme (siehe Seite Ergebnisse).</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="61"/>
        <source>The receptor stays below CA at all times.</source>
        <translation>Am Schutzgut bleibt die Konzentration stets unter CA.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="62"/>
        <source>The times follow its decay chain.</source>
        <translation>Die Zeiten folgen seiner Abbaukette.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="63"/>
        <source>The source is at its target already.</source>
        <translation>Die Quelle hat ihr Ziel bereits erreicht.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="64"/>
        <source>The source is constant: it meets no target by decay alone.</source>
        <translation>Die Quelle ist konstant: durch Abbau allein erreicht sie kein Ziel.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="65"/>
        <source>No time frame: its times are not computed.</source>
        <translation>Kein Zeitrahmen: seine Zeiten sind nicht berechnet.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="66"/>
        <source>You didn&apos;t set a C0 (concentration at source) &gt; 0.0  for the contaminant!</source>
        <translation>Für den Schadstoff ist kein C0 (Konzentration an der Quelle) &gt; 0,0 gesetzt!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="68"/>
        <source>You need a CA  (accepted concentration at receptor) &gt; 0.0 and &lt;=C0 for the contaminant!</source>
        <translation>Der Schadstoff braucht ein CA (zulässige Konzentration am Schutzgut) &gt; 0,0 und &lt;= C0!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="71"/>
        <source>You have to set/select a lambda (decay constant) &gt; 0.0 for the contaminant!</source>
        <translation>Für den Schadstoff muss ein Lambda (Zerfallskonstante) &gt; 0,0 gesetzt oder gewählt sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="73"/>
        <source>You have to set  x &gt; 0.0 (distance source to receptor) for the aquifer!</source>
        <translation>Für den Grundwasserleiter muss x &gt; 0,0 (Abstand Quelle - Schutzgut) gesetzt sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="75"/>
        <source>You didn&apos;t set i (hydraulic gradient) for the aquifer!</source>
        <translation>Für den Grundwasserleiter ist kein i (hydraulischer Gradient) gesetzt!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="76"/>
        <source>i (aquifer: hydraulic gradient) must be &gt; 0.0!</source>
        <translation>i (Grundwasserleiter: hydraulischer Gradient) muss &gt; 0,0 sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="77"/>
        <source>You didn&apos;t set Kf (coefficient of hydraulic conductivity) for the aquifer!</source>
        <translation>Für den Grundwasserleiter ist kein Kf (Durchlässigkeitsbeiwert) gesetzt!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="79"/>
        <source>Kf (coefficient of hydraulic conductivity) should not be &lt;= 0.0!</source>
        <translation>Kf (Durchlässigkeitsbeiwert) darf nicht &lt;= 0,0 sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="80"/>
        <source>You have to set ne (effective porosity) for the aquifer!</source>
        <translation>Für den Grundwasserleiter muss ne (nutzbares Hohlraumvolumen) gesetzt sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="81"/>
        <source>Range of ne (effective porosity) is:  0.0 &lt; ne &lt;= 1.0 !</source>
        <translation>Der Bereich von ne (nutzbares Hohlraumvolumen) ist: 0,0 &lt; ne &lt;= 1,0 !</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="82"/>
        <source>You have to set ax, ay, az (dispersivity) for the aquifer!</source>
        <translation>Für den Grundwasserleiter müssen ax, ay, az (Dispersivität) gesetzt sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="83"/>
        <source>ax (dispersivity) has to be &gt; 0.0 for the aquifer!</source>
        <translation>ax (Dispersivität) muss für den Grundwasserleiter &gt; 0,0 sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="84"/>
        <source>You have to set Sz and Sy (width and thickness of plume) for the aquifer!</source>
        <translation>Für den Grundwasserleiter müssen Sz und Sy (Breite und Mächtigkeit der Fahne) gesetzt sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="86"/>
        <source>C0, CA and lambda (decay constant) must be finite numbers for the contaminant!</source>
        <translation>C0, CA und Lambda (Zerfallskonstante) müssen für den Schadstoff endliche Zahlen sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="88"/>
        <source>Dispersivities and source dimensions must not be negative for the aquifer!</source>
        <translation>Dispersivitäten und Maße der Quelle dürfen für den Grundwasserleiter nicht negativ sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="90"/>
        <source>Source width and thickness must be greater than 0 for the aquifer!</source>
        <translation>Breite und Mächtigkeit der Quelle müssen für den Grundwasserleiter größer als 0 sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="91"/>
        <source>x, Kf, i, ne, dispersivities and source dimensions must be finite numbers for the aquifer!</source>
        <translation>x, Kf, i, ne, Dispersivitäten und Maße der Quelle müssen für den Grundwasserleiter endliche Zahlen sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="94"/>
        <source>Koc (organic-carbon partition coefficient) must be a finite number &gt;= 0.0 for the contaminant!</source>
        <translation>Koc (Verteilungskoeffizient für organischen Kohlenstoff) muss für den Schadstoff eine endliche Zahl &gt;= 0,0 sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="97"/>
        <source>ks (decay rate of the source) must be a finite number &gt;= 0.0 for the contaminant!</source>
        <translation>ks (Abklingrate der Quelle) muss für den Schadstoff eine endliche Zahl &gt;= 0,0 sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="99"/>
        <source>M0 (dissolvable mass of the source) must be a finite number &gt; 0.0 for the contaminant!</source>
        <translation>M0 (lösbare Masse der Quelle) muss für den Schadstoff eine endliche Zahl &gt; 0,0 sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="102"/>
        <source>rho_b (bulk density) must be a finite number &gt; 0.0 for the aquifer!</source>
        <translation>rho_b (Trockenrohdichte) muss für den Grundwasserleiter eine endliche Zahl &gt; 0,0 sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="103"/>
        <source>foc (fraction of organic carbon) must be a finite number &gt;= 0.0 and &lt; 1.0 for the aquifer!</source>
        <translation>foc (Anteil organischen Kohlenstoffs) muss für den Grundwasserleiter eine endliche Zahl &gt;= 0,0 und &lt; 1,0 sein!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="106"/>
        <source>The project&apos;s concentration unit is not one Virelo relates to the samples&apos; units (ng/L, ug/L, mg/L): the wells were not compared with CA!</source>
        <translation>Die Konzentrationseinheit des Projekts lässt sich von Virelo nicht auf die Einheiten der Proben (ng/L, ug/L, mg/L) beziehen: die Messstellen wurden nicht mit CA verglichen!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="110"/>
        <source>Fewer than three wells hold detected values at different distances: the wells were not compared with CA!</source>
        <translation>Weniger als drei Messstellen haben Nachweise in verschiedenen Abständen: die Messstellen wurden nicht mit CA verglichen!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="114"/>
        <source>The wells&apos; distance fit has warnings: the wells were not compared with CA!</source>
        <translation>Die Abstandsanpassung der Messstellen hat Warnungen: die Messstellen wurden nicht mit CA verglichen!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="116"/>
        <source>A decay chain of the project has problems (Data &gt; Decay chain names them): its species were judged without it!</source>
        <translation>Eine Abbaukette des Projekts hat Probleme (Daten &gt; Abbaukette nennt sie): ihre Stoffe wurden ohne sie beurteilt!</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="120"/>
        <source>oxygen missing</source>
        <translation>Sauerstoff fehlt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="121"/>
        <source>oxic; iron(II) missing</source>
        <translation>oxisch; Eisen(II) fehlt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="122"/>
        <source>oxygen &gt;= 0.5 mg/L, no reduced iron or manganese</source>
        <translation>Sauerstoff &gt;= 0,5 mg/L, kein reduziertes Eisen oder Mangan</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="123"/>
        <source>anoxic; nitrate missing</source>
        <translation>anoxisch; Nitrat fehlt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="124"/>
        <source>nitrate-reducing; iron(II) missing</source>
        <translation>nitratreduzierend; Eisen(II) fehlt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="125"/>
        <source>nitrate &gt;= 0.5 mg/L N with iron or manganese: mixed anaerobic processes</source>
        <translation>Nitrat &gt;= 0,5 mg/L N mit Eisen oder Mangan: gemischte anaerobe Prozesse</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="127"/>
        <source>oxygen &lt; 0.5, nitrate &gt;= 0.5 mg/L N</source>
        <translation>Sauerstoff &lt; 0,5, Nitrat &gt;= 0,5 mg/L N</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="128"/>
        <source>sulfate &lt; 0.5 mg/L with methane &gt; 0.5 mg/L: methanogenic</source>
        <translation>Sulfat &lt; 0,5 mg/L mit Methan &gt; 0,5 mg/L: methanogen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="129"/>
        <source>anoxic, no nitrate; iron(II) missing</source>
        <translation>anoxisch, kein Nitrat; Eisen(II) fehlt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="130"/>
        <source>manganese-reducing: no condition of its own</source>
        <translation>manganreduzierend: keine eigene Bedingung</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="131"/>
        <source>suboxic: no electron acceptor shows</source>
        <translation>suboxisch: kein Elektronenakzeptor erkennbar</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="132"/>
        <source>iron-reducing or below; sulfate missing</source>
        <translation>eisenreduzierend oder darunter; Sulfat fehlt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="133"/>
        <source>iron(II) &gt;= 0.1, sulfate &lt; 0.5 mg/L: methanogenic</source>
        <translation>Eisen(II) &gt;= 0,1, Sulfat &lt; 0,5 mg/L: methanogen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="134"/>
        <source>iron(II) &gt;= 0.1 and sulfate &gt;= 0.5 mg/L, sulfide not measured: iron and/or sulfate reduction</source>
        <translation>Eisen(II) &gt;= 0,1 und Sulfat &gt;= 0,5 mg/L, Sulfid nicht gemessen: Eisen- und/oder Sulfatreduktion</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="137"/>
        <source>iron(II)/sulfide &gt; 10 (sulfide not detected)</source>
        <translation>Eisen(II)/Sulfid &gt; 10 (Sulfid nicht nachgewiesen)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="138"/>
        <source>iron(II) and sulfate; sulfide not detected, ratio open: iron and/or sulfate reduction</source>
        <translation>Eisen(II) und Sulfat; Sulfid nicht nachgewiesen, Verhältnis offen: Eisen- und/oder Sulfatreduktion</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="141"/>
        <source>iron(II)/sulfide &gt; 10: iron-reducing</source>
        <translation>Eisen(II)/Sulfid &gt; 10: eisenreduzierend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="142"/>
        <source>iron(II)/sulfide &lt; 0.3: sulfate-reducing</source>
        <translation>Eisen(II)/Sulfid &lt; 0,3: sulfatreduzierend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="143"/>
        <source>iron(II)/sulfide from 0.3 to 10: iron and sulfate reduction</source>
        <translation>Eisen(II)/Sulfid von 0,3 bis 10: Eisen- und Sulfatreduktion</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="144"/>
        <source>wells along the plume show different anaerobic conditions</source>
        <translation>Messstellen entlang der Fahne zeigen verschiedene anaerobe Bedingungen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="145"/>
        <source>every classified well is aerobic</source>
        <translation>jede klassifizierte Messstelle ist aerob</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="146"/>
        <source>no well has indicators</source>
        <translation>keine Messstelle hat Indikatoren</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="147"/>
        <source>no well&apos;s indicators decide a condition</source>
        <translation>die Indikatoren keiner Messstelle entscheiden eine Bedingung</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="148"/>
        <source>oxygen with dissolved iron or manganese: mixed oxic-anoxic water</source>
        <translation>Sauerstoff mit gelöstem Eisen oder Mangan: gemischtes oxisch-anoxisches Wasser</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="149"/>
        <source>inadequate</source>
        <translation>unzureichend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="150"/>
        <source>limited</source>
        <translation>begrenzt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="151"/>
        <source>adequate</source>
        <translation>ausreichend</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="152"/>
        <source>strong</source>
        <translation>stark</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="153"/>
        <source>R = 1: no Koc for this contaminant</source>
        <translation>R = 1: kein Koc für diesen Schadstoff</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="154"/>
        <source>R = 1: bulk density or foc not entered for the aquifer</source>
        <translation>R = 1: Trockenrohdichte oder foc für den Grundwasserleiter nicht eingegeben</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="155"/>
        <source>R = 1: no usable effective porosity ne</source>
        <translation>R = 1: kein verwendbares nutzbares Hohlraumvolumen ne</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="156"/>
        <source>constant source</source>
        <translation>konstante Quelle</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="157"/>
        <source>Decay of dissolved and sorbed phase</source>
        <translation>Abbau der gelösten und sorbierten Phase</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="158"/>
        <source>Decay of the dissolved phase only</source>
        <translation>Abbau nur der gelösten Phase</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="159"/>
        <source>from the chain</source>
        <translation>aus der Kette</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="160"/>
        <source>from the wells</source>
        <translation>aus den Messstellen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="161"/>
        <source>temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="162"/>
        <source>alkalinity</source>
        <translation>Alkalinität</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="163"/>
        <source>chloride</source>
        <translation>Chlorid</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="164"/>
        <source>daughter products</source>
        <translation>Tochterprodukte</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="165"/>
        <source>DCA/chloroethane</source>
        <translation>DCA/Chlorethan</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="166"/>
        <source>the points for a pH outside 5 to 9 were not confirmed in a source</source>
        <translation>die Punkte für einen pH außerhalb von 5 bis 9 sind in keiner Quelle bestätigt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="167"/>
        <source>threshold against background and points not confirmed in a source</source>
        <translation>Schwelle gegen den Hintergrund und Punkte in keiner Quelle bestätigt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="168"/>
        <source>the points for a chloride above twice background were not confirmed in a source</source>
        <translation>die Punkte für Chlorid über dem Doppelten des Hintergrunds sind in keiner Quelle bestätigt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="170"/>
        <source>threshold not confirmed in a source</source>
        <translation>Schwelle in keiner Quelle bestätigt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="171"/>
        <source>points only where a compound was not released, which the project does not record</source>
        <translation>Punkte nur, wo ein Stoff nicht freigesetzt wurde, was das Projekt nicht verzeichnet</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="173"/>
        <source>not measured in a background well</source>
        <translation>in keiner Hintergrundmessstelle gemessen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="174"/>
        <source>not measured in a background well (no well is marked as background or lies upstream of the source)</source>
        <translation>in keiner Hintergrundmessstelle gemessen (keine Messstelle ist als Hintergrund markiert oder liegt im Anstrom der Quelle)</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="177"/>
        <source>the chlorinated ethanes are not recognised in the project&apos;s chains</source>
        <translation>die chlorierten Ethane werden in den Abbauketten des Projekts nicht erkannt</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="178"/>
        <source>no background well: none is marked and none lies upstream of the source</source>
        <translation>keine Hintergrundmessstelle: keine ist markiert und keine liegt im Anstrom der Quelle</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="180"/>
        <source>No effective porosity ne: no mass.</source>
        <translation>Kein nutzbares Hohlraumvolumen ne: keine Masse.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="181"/>
        <source>No saturated thickness b: masses per metre of thickness.</source>
        <translation>Keine wassergesättigte Mächtigkeit b: Massen je Meter Mächtigkeit.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="182"/>
        <source>Fewer than two wells at distinct places (three off one line across the flow): no mass.</source>
        <translation>Weniger als zwei Messstellen an verschiedenen Orten (drei nicht auf einer Linie quer zur Strömung): keine Masse.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="185"/>
        <source>Wells nearly in a row: masses per metre of plume width.</source>
        <translation>Messstellen fast in einer Reihe: Massen je Meter Fahnenbreite.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="186"/>
        <source>Fewer than four rounds: no trend and no light.</source>
        <translation>Weniger als vier Messkampagnen: kein Trend und keine Ampel.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="187"/>
        <source>The source&apos;s decay rate ks must be a finite number of at least 0 1/d.</source>
        <translation>Die Abklingrate ks der Quelle muss eine endliche Zahl von mindestens 0 1/d sein.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="188"/>
        <source>The source&apos;s mass M0 must be a finite number above 0 kg.</source>
        <translation>Die Masse M0 der Quelle muss eine endliche Zahl über 0 kg sein.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="189"/>
        <source>The flow through the source needs Kf, i, the source width and its thickness on the Aquifer page.</source>
        <translation>Der Durchfluss durch die Quelle braucht Kf, i, die Quellbreite und ihre Mächtigkeit auf der Seite Grundwasserleiter.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="193"/>
        <source>The source decay from the mass needs C0.</source>
        <translation>Das Abklingen der Quelle aus der Masse braucht C0.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="194"/>
        <source>The source decay rate from the mass is beyond the range of numbers.</source>
        <translation>Die Abklingrate der Quelle aus der Masse liegt außerhalb des Zahlenbereichs.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="195"/>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="196"/>
        <source>too few wells</source>
        <translation>zu wenige Messstellen</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="197"/>
        <source>fit warnings</source>
        <translation>Warnungen der Anpassung</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="198"/>
        <source>any date</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="199"/>
        <source>No decay constant without the flow velocity v and the dispersivity ax of the aquifer.</source>
        <translation>Keine Zerfallskonstante ohne die Abstandsgeschwindigkeit v und die Dispersivität ax des Grundwasserleiters.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="203"/>
        <source>The source fades faster than the plume decays, and there the screening form&apos;s lagged source multiplier underestimates the receptor by orders of magnitude: only the exact solution gives a value.</source>
        <translation>Die Quelle klingt schneller ab, als die Fahne abgebaut wird, und dort unterschätzt der verzögerte Quellfaktor der Screening-Form das Schutzgut um Größenordnungen: nur die exakte Lösung gibt einen Wert.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="207"/>
        <source>A source of the chain fades faster than a species it feeds decays, and there the screening form&apos;s lagged source multiplier underestimates the receptor by orders of magnitude: only the exact solution gives a value.</source>
        <translation>Eine Quelle der Kette klingt schneller ab, als ein von ihr gespeister Stoff abgebaut wird, und dort unterschätzt der verzögerte Quellfaktor der Screening-Form das Schutzgut um Größenordnungen: nur die exakte Lösung gibt einen Wert.</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="212"/>
        <source>every source feeding it fades: it rises to a peak and falls away</source>
        <translation>jede Quelle, die ihn speist, klingt ab: er steigt zu einem Maximum an und fällt wieder ab</translation>
    </message>
    <message>
        <location filename="../platform/EngineTextCatalogue.cpp" line="213"/>
        <source>a source feeding it fades while others stay: it settles at what the constant sources keep (below the steady chain&apos;s value), and t50 and t95 are not given</source>
        <translation>eine Quelle, die ihn speist, klingt ab, während andere bleiben: er stellt sich auf das ein, was die konstanten Quellen halten (unter dem stationären Wert der Kette), und t50 und t95 werden nicht angegeben</translation>
    </message>
</context>
<context>
    <name>EvidenceWindow</name>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="42"/>
        <source>Site data window: Trends</source>
        <translation>Fenster Standortdaten: Trends</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="43"/>
        <location filename="../analysis/EvidenceWindow.cpp" line="45"/>
        <source>Site data window: Plume as a whole</source>
        <translation>Fenster Standortdaten: Fahne als Ganzes</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="47"/>
        <source>Site data window: Redox</source>
        <translation>Fenster Standortdaten: Redox</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="48"/>
        <source>Results page</source>
        <translation>Ergebnisseite</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="49"/>
        <source>Time window</source>
        <translation>Zeitfenster</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="63"/>
        <source>Lines of evidence</source>
        <translation>Beweislinien</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="69"/>
        <source>Each line of evidence of the contaminants assessed by the attenuation factor, with its light and where its evidence is shown. The lines state the case; they change no verdict, which stays the one on the Results page.</source>
        <translation>Jede Beweislinie der über den Abminderungsfaktor bewerteten Schadstoffe, mit ihrer Ampel und dem Ort, an dem ihre Belege gezeigt werden. Die Linien stützen den Fall; sie ändern kein Urteil, das das der Ergebnisseite bleibt.</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Light</source>
        <translation>Ampel</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Reading</source>
        <translation>Ablesung</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="78"/>
        <source>Shown in</source>
        <translation>Gezeigt in</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="112"/>
        <source>Computing the time frames...</source>
        <translation>Berechne die Zeitrahmen...</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="121"/>
        <source>No contaminant is assessed by the attenuation factor.</source>
        <translation>Kein Schadstoff wird über den Abminderungsfaktor bewertet.</translation>
    </message>
    <message>
        <location filename="../analysis/EvidenceWindow.cpp" line="137"/>
        <source>Computing...</source>
        <translation>Berechne...</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <location filename="../app/FileCommands.cpp" line="31"/>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="33"/>
        <source>&amp;Open ...	Ctrl+O</source>
        <translation>Ö&amp;ffnen ...	Ctrl+O</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="35"/>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="37"/>
        <source>Save &amp;as ...</source>
        <translation>Speichern &amp;unter ...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="41"/>
        <source>&amp;Export report...</source>
        <translation>Bericht &amp;exportieren...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="43"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="46"/>
        <source>Print pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="50"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="56"/>
        <source>Error saving project-file!
Check access-rights!</source>
        <translation>Fehler beim Speichern der Projektdatei!
Zugriffsrechte prüfen!</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="57"/>
        <location filename="../app/FileCommands.cpp" line="195"/>
        <location filename="../app/FileCommands.cpp" line="213"/>
        <source>Virelo-Error</source>
        <translation>Virelo-Fehler</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="70"/>
        <source>The settings saved with this project could not be read when it was opened (%1).

Saving replaces them with the settings the project has now (concentration unit, verdict basis, assessment ranges, decay-constant sources). Save anyway?</source>
        <translation>Die mit diesem Projekt gespeicherten Einstellungen konnten beim Öffnen nicht gelesen werden (%1).

Speichern ersetzt sie durch die jetzigen Einstellungen des Projekts (Konzentrationseinheit, Bewertungsgrundlage, Bewertungsbereiche, Quellen der Zerfallskonstanten). Trotzdem speichern?</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="76"/>
        <location filename="../app/FileCommands.cpp" line="89"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="88"/>
        <source>Current project was modified. Save?</source>
        <translation>Das aktuelle Projekt wurde geändert. Speichern?</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="194"/>
        <source>Error writing the report &quot;%1&quot;:
%2</source>
        <translation>Fehler beim Schreiben des Berichts &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="212"/>
        <source>Error printing the report!</source>
        <translation>Fehler beim Drucken des Berichts!</translation>
    </message>
    <message>
        <location filename="../app/FileCommands.cpp" line="222"/>
        <source>Print preview - Virelo</source>
        <translation>Druckvorschau - Virelo</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <location filename="../app/HelpCommands.cpp" line="23"/>
        <source>&amp;Manual (requires Adobe Acrobat Reader)</source>
        <translation>&amp;Handbuch (benötigt Adobe Acrobat Reader)</translation>
    </message>
    <message>
        <location filename="../app/HelpCommands.cpp" line="26"/>
        <source>&amp;About Virelo</source>
        <translation>Ü&amp;ber Virelo</translation>
    </message>
    <message>
        <location filename="../app/HelpCommands.cpp" line="44"/>
        <source>What&apos;s this - Help</source>
        <translation>Was ist das? - Hilfe</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../platform/HelpViewer.cpp" line="37"/>
        <source>Virelo Help</source>
        <translation>Virelo-Hilfe</translation>
    </message>
    <message>
        <location filename="../platform/HelpViewer.cpp" line="82"/>
        <source>The manual is available in English only. The What&apos;s-this texts (Shift+F1) are in the language of the windows.</source>
        <translation>Das Handbuch gibt es nur auf Englisch. Die Direkthilfe-Texte (Umschalt+F1) sind in der Sprache der Fenster.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../app/Language.cpp" line="107"/>
        <source>&amp;System language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <location filename="../app/Language.cpp" line="124"/>
        <source>The language changes when Virelo is started again.</source>
        <translation>Die Sprache wechselt beim nächsten Start von Virelo.</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <location filename="../app/MainDialog.cpp" line="114"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="116"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="117"/>
        <source>&amp;Project settings	Ctrl+1</source>
        <translation>&amp;Projekteinstellungen	Ctrl+1</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="117"/>
        <source>&amp;Aquifer settings	Ctrl+2</source>
        <translation>&amp;Grundwasserleiter	Ctrl+2</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="118"/>
        <source>C&amp;ontaminant settings	Ctrl+3</source>
        <translation>Schad&amp;stoffe	Ctrl+3</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="118"/>
        <source>&amp;Results	Ctrl+4</source>
        <translation>&amp;Ergebnisse	Ctrl+4</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="125"/>
        <source>&amp;Language</source>
        <translation>Spr&amp;ache</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="129"/>
        <source>&amp;Data</source>
        <translation>Da&amp;ten</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="130"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="154"/>
        <source>Create a new Virelo-Project</source>
        <translation>Ein neues Virelo-Projekt anlegen</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="155"/>
        <source>Open a Virelo-Project</source>
        <translation>Ein Virelo-Projekt öffnen</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="156"/>
        <source>Save current Virelo-Project</source>
        <translation>Das aktuelle Virelo-Projekt speichern</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="157"/>
        <source>Informations about Virelo</source>
        <translation>Informationen über Virelo</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="178"/>
        <source>Project settings ... Ctrl+1</source>
        <translation>Projekteinstellungen ... Ctrl+1</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="178"/>
        <source>Aquifer settings ... Ctrl+2</source>
        <translation>Grundwasserleiter ... Ctrl+2</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="179"/>
        <source>Contaminant settings ... Ctrl+3</source>
        <translation>Schadstoffe ... Ctrl+3</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="179"/>
        <source>Results ... Ctrl+4</source>
        <translation>Ergebnisse ... Ctrl+4</translation>
    </message>
    <message>
        <location filename="../app/MainDialog.cpp" line="258"/>
        <source>Virelo-Error</source>
        <translation>Virelo-Fehler</translation>
    </message>
</context>
<context>
    <name>PageTabs</name>
    <message>
        <location filename="../app/PageTabs.cpp" line="42"/>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <location filename="../app/PageTabs.cpp" line="43"/>
        <source>Aquifer</source>
        <translation>Grundwasserleiter</translation>
    </message>
    <message>
        <location filename="../app/PageTabs.cpp" line="44"/>
        <source>Contaminants</source>
        <translation>Schadstoffe</translation>
    </message>
    <message>
        <location filename="../app/PageTabs.cpp" line="45"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>PlanViewWidget</name>
    <message>
        <location filename="../analysis/PlanView.cpp" line="80"/>
        <source>%1: screening plume in plan at the water table (z = 0)</source>
        <translation>%1: Screening-Fahne im Grundriss an der Grundwasseroberfläche (z = 0)</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="157"/>
        <source>Distance from the source s [m]</source>
        <translation>Abstand vom Schadensherd s [m]</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="162"/>
        <source>Lateral distance y [m]</source>
        <translation>Seitlicher Abstand y [m]</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="181"/>
        <source>No plume to show</source>
        <translation>Keine Fahne darzustellen</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="262"/>
        <location filename="../analysis/PlanView.cpp" line="323"/>
        <source>Receptor</source>
        <translation>Schutzgut</translation>
    </message>
    <message>
        <location filename="../analysis/PlanView.cpp" line="328"/>
        <source>Receptor </source>
        <translation>Schutzgut </translation>
    </message>
</context>
<context>
    <name>PlumeMassChart</name>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="23"/>
        <source>%1: dissolved mass per round</source>
        <translation>%1: gelöste Masse je Messkampagne</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="29"/>
        <source>Mass, non-detects as 0</source>
        <translation>Masse, nicht Nachweisbare als 0</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="33"/>
        <source>Non-detects at their limit</source>
        <translation>Nicht Nachweisbare an ihrer Grenze</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="53"/>
        <source>Round</source>
        <translation>Messkampagne</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeMassChart.cpp" line="61"/>
        <source> per m of b</source>
        <translation> je m von b</translation>
    </message>
</context>
<context>
    <name>PlumeView</name>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="49"/>
        <source>infinite!</source>
        <translation>unendlich!</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="154"/>
        <source>Plume view</source>
        <translation>Fahnenansicht</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="167"/>
        <source>&amp;Contaminant:</source>
        <translation>&amp;Schadstoff:</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="192"/>
        <source>Point at the chart to read both values at a distance.</source>
        <translation>Zeigen Sie auf das Diagramm, um beide Werte bei einem Abstand abzulesen.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="197"/>
        <source>Export c&amp;hart</source>
        <translation>&amp;Diagramm exportieren</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="197"/>
        <source>Export p&amp;lan view</source>
        <translation>&amp;Grundriss exportieren</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="199"/>
        <source>As &amp;PNG image...</source>
        <translation>Als &amp;PNG-Bild...</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="200"/>
        <source>As &amp;SVG drawing...</source>
        <translation>Als &amp;SVG-Zeichnung...</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="210"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="229"/>
        <source>No contaminant has an attenuation factor without problems.</source>
        <translation>Kein Schadstoff hat einen Abminderungsfaktor ohne Probleme.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="268"/>
        <source>At the receptor (x = %1 m): C/C0 = %2 (screening model), %3 (exact solution); CA/C0 = %4.</source>
        <translation>Am Schutzgut (x = %1 m): C/C0 = %2 (Screening-Modell), %3 (exakte Lösung); CA/C0 = %4.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="271"/>
        <source>
Verdict (screening model): %1.</source>
        <translation>
Urteil (Screening-Modell): %1.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="273"/>
        <source> The exact solution would give %1.</source>
        <translation> Die exakte Lösung ergäbe %1.</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="322"/>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="323"/>
        <source>Virelo-Error</source>
        <translation>Virelo-Fehler</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="346"/>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <location filename="../analysis/PlumeView.cpp" line="346"/>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
</context>
<context>
    <name>ProblemsDialog</name>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="23"/>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="29"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../pages/ProblemsDialog.cpp" line="64"/>
        <source>PLAUSIBILITY WARNINGS (they do not change the verdict):</source>
        <translation>PLAUSIBILITÄTSWARNUNGEN (sie ändern das Urteil nicht):</translation>
    </message>
</context>
<context>
    <name>RatioHistogram</name>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="131"/>
        <source>d/x (log scale)</source>
        <translation>d/x (logarithmisch)</translation>
    </message>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="131"/>
        <source>C0/C (log scale)</source>
        <translation>C0/C (logarithmisch)</translation>
    </message>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="148"/>
        <source>%1 with nothing arriving (Green)</source>
        <translation>%1 ohne Ankunft (Grün)</translation>
    </message>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="149"/>
        <source>%1 undefined (Red)</source>
        <translation>%1 undefiniert (Rot)</translation>
    </message>
    <message>
        <location filename="../analysis/RatioHistogram.cpp" line="152"/>
        <source>Not drawn: %1</source>
        <translation>Nicht gezeichnet: %1</translation>
    </message>
</context>
<context>
    <name>ReportBoxes</name>
    <message>
        <location filename="../app/ReportBoxes.cpp" line="26"/>
        <source>Virelo-Error</source>
        <translation>Virelo-Fehler</translation>
    </message>
    <message>
        <location filename="../app/ReportBoxes.cpp" line="33"/>
        <source>Virelo-Warning</source>
        <translation>Virelo-Warnung</translation>
    </message>
</context>
<context>
    <name>ReportChain</name>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="55"/>
        <source>&lt;p&gt;Plume length along the chain: plug flow, each species by the Bateman solution along the travel time s/v; d is the farthest s at which the species stays at or above its CA, d/x is classed with the plume-length range. For the parent it is its own plume length.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Fahnenlänge entlang der Kette: Pfropfenströmung, jeder Stoff nach der Bateman-Lösung entlang der Fließzeit s/v; d ist das größte s, bei dem der Stoff noch bei oder über seinem CA liegt, d/x wird mit dem Bereich der Fahnenlänge klassiert. Für den Ausgangsstoff ist es seine eigene Fahnenlänge.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="65"/>
        <location filename="../report/sections/ChainSection.cpp" line="126"/>
        <location filename="../report/sections/ChainSection.cpp" line="158"/>
        <source>Species</source>
        <translation>Stoff</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="66"/>
        <location filename="../report/sections/ChainSection.cpp" line="160"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="67"/>
        <source>Alone: d [m]</source>
        <translation>Allein: d [m]</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="75"/>
        <source>decay of the dissolved and the sorbed phase, each species at its own &amp;#955;&amp;#183;R</source>
        <translation>Abbau der gelösten und der sorbierten Phase, jeder Stoff mit seinem eigenen &amp;#955;&amp;#183;R</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="78"/>
        <source>decay in the dissolved phase and no retardation</source>
        <translation>Abbau in der gelösten Phase und keine Retardation</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="79"/>
        <source>decay in the dissolved phase only, so that sorption changes no steady concentration</source>
        <translation>Abbau nur in der gelösten Phase, sodass die Sorption keine stationäre Konzentration ändert</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="89"/>
        <source>Decay chain</source>
        <translation>Abbaukette</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="92"/>
        <source>&lt;p&gt;Daughters formed along the plume as their parents decay, after Sun et al. (1999): one first-order rate per species along the whole path, a serial chain, steady state, %3. Each species is classified by its concentration C(x) at the receptor against its own CA: green where C(x) &amp;lt;= %1 CA, yellow up to %2 CA, red above (never green above CA). &quot;Alone&quot; is its class from its own source concentration only, the class column of the results; the chain&apos;s class enters the verdict. Yield: the mass of a species formed per mass of the species above it that decays.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Tochterstoffe, die entlang der Fahne beim Abbau ihrer Ausgangsstoffe entstehen, nach Sun et al. (1999): eine Rate erster Ordnung je Stoff auf dem ganzen Weg, eine serielle Kette, stationärer Zustand, %3. Jeder Stoff wird nach seiner Konzentration C(x) am Schutzgut gegen sein eigenes CA klassiert: grün bei C(x) &amp;lt;= %1 CA, gelb bis %2 CA, rot darüber (nie grün über CA). „Allein“ ist seine Klasse allein aus seiner eigenen Quellkonzentration, die Klassenspalte der Ergebnisse; die Klasse der Kette geht in das Urteil ein. Ausbeute: die Masse eines Stoffes, die je Masse des darüberstehenden abgebauten Stoffes entsteht.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="107"/>
        <source>Chain %1</source>
        <translation>Kette %1</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="110"/>
        <source>parent</source>
        <translation>Ausgangsstoff</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="113"/>
        <source>not given</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="127"/>
        <source>Yield (mass per mass of the species above)</source>
        <translation>Ausbeute (Masse je Masse des darüberstehenden Stoffes)</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="135"/>
        <source>&lt;p&gt;&lt;i&gt;The chain cannot be computed:&lt;/i&gt;&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;Die Kette kann nicht berechnet werden:&lt;/i&gt;&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="156"/>
        <source>Yield</source>
        <translation>Ausbeute</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="159"/>
        <source>Screening</source>
        <translation>Screening</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="161"/>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="162"/>
        <source>Exact class</source>
        <translation>Exakte Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="163"/>
        <source>Alone</source>
        <translation>Allein</translation>
    </message>
    <message>
        <location filename="../report/sections/ChainSection.cpp" line="170"/>
        <source>%1 (end product)</source>
        <translation>%1 (Endprodukt)</translation>
    </message>
</context>
<context>
    <name>ReportChart</name>
    <message>
        <location filename="../report/ReportChart.cpp" line="66"/>
        <source>Screening model</source>
        <translation>Screening-Modell</translation>
    </message>
    <message>
        <location filename="../report/ReportChart.cpp" line="68"/>
        <source>Exact solution</source>
        <translation>Exakte Lösung</translation>
    </message>
    <message>
        <location filename="../report/ReportChart.cpp" line="71"/>
        <source>Receptor</source>
        <translation>Schutzgut</translation>
    </message>
    <message>
        <location filename="../report/ReportChart.cpp" line="89"/>
        <source>Distance from the source s [m]</source>
        <translation>Abstand von der Quelle s [m]</translation>
    </message>
</context>
<context>
    <name>ReportCharts</name>
    <message>
        <location filename="../report/sections/ChartsSection.cpp" line="10"/>
        <source>Centre-line charts</source>
        <translation>Diagramme der Fahnenachse</translation>
    </message>
    <message>
        <location filename="../report/sections/ChartsSection.cpp" line="11"/>
        <source>&lt;p&gt;The concentration on the plume axis relative to the source (C/C0, logarithmic), from the source to a quarter beyond the receptor: the screening model (solid blue) and the exact solution (dashed orange), with the acceptable level CA/C0 (dash-dotted red, its value beside the name) and the receptor at x (dashed grey).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Konzentration auf der Fahnenachse relativ zur Quelle (C/C0, logarithmisch), von der Quelle bis ein Viertel hinter das Schutzgut: das Screening-Modell (durchgezogen blau) und die exakte Lösung (gestrichelt orange), mit dem zulässigen Wert CA/C0 (strichpunktiert rot, sein Wert neben dem Namen) und dem Schutzgut bei x (gestrichelt grau).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChartsSection.cpp" line="32"/>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;: &lt;i&gt;no chart, the inputs of the attenuation factor have problems (section %2).&lt;/i&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;: &lt;i&gt;kein Diagramm, die Eingaben des Abminderungsfaktors haben Probleme (Abschnitt %2).&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/ChartsSection.cpp" line="46"/>
        <source>&lt;p&gt;&lt;i&gt;No contaminant is assessed for its attenuation factor.&lt;/i&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;Kein Schadstoff wird nach seinem Abminderungsfaktor bewertet.&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportContext</name>
    <message>
        <location filename="../report/ReportContext.cpp" line="170"/>
        <source>%1 (green d &amp;lt;= %2 x, yellow %3 x &amp;lt; d &amp;lt;= %4 x, red d &amp;gt; %4 x)</source>
        <translation>%1 (grün d &amp;lt;= %2 x, gelb %3 x &amp;lt; d &amp;lt;= %4 x, rot d &amp;gt; %4 x)</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="174"/>
        <source>%1 (green C0 &amp;lt;= %2 C, yellow %3 C &amp;lt; C0 &amp;lt;= %4 C, red C0 &amp;gt; %4 C)</source>
        <translation>%1 (grün C0 &amp;lt;= %2 C, gelb %3 C &amp;lt; C0 &amp;lt;= %4 C, rot C0 &amp;gt; %4 C)</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="224"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="225"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="226"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="227"/>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="234"/>
        <source>screening model</source>
        <translation>Screening-Modell</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="235"/>
        <source>exact solution</source>
        <translation>exakte Lösung</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="236"/>
        <source>worse of the two</source>
        <translation>ungünstigere der beiden</translation>
    </message>
</context>
<context>
    <name>ReportEvidence</name>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="22"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="29"/>
        <source>plume behaviour</source>
        <translation>Verhalten der Fahne</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="30"/>
        <source>mass discharge</source>
        <translation>Schadstofffracht</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="31"/>
        <source>geochemistry</source>
        <translation>Geochemie</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="32"/>
        <source>model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="33"/>
        <source>time frame</source>
        <translation>Zeitrahmen</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="51"/>
        <source>Evidence: the plume as a whole and its mass discharge in section %1, the wells and the geochemistry in section %2, the model in section %3, the time frame in the Time window (Data &amp;gt; Time...).</source>
        <translation>Belege: die Fahne als Ganzes und ihre Schadstofffracht in Abschnitt %1, die Messstellen und die Geochemie in Abschnitt %2, das Modell in Abschnitt %3, der Zeitrahmen im Fenster Zeit (Daten &amp;gt; Zeit...).</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="57"/>
        <source>Evidence: the plume as a whole and its mass discharge in section %1, the wells and the geochemistry in section %2, the model in section %3, the time frame in section %4.</source>
        <translation>Belege: die Fahne als Ganzes und ihre Schadstofffracht in Abschnitt %1, die Messstellen und die Geochemie in Abschnitt %2, das Modell in Abschnitt %3, der Zeitrahmen in Abschnitt %4.</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="66"/>
        <source>Evidence: the plume&apos;s behaviour and the geochemistry in section %1, the model in section %2, the time frame in the Time window (Data &amp;gt; Time...).</source>
        <translation>Belege: das Verhalten der Fahne und die Geochemie in Abschnitt %1, das Modell in Abschnitt %2, der Zeitrahmen im Fenster Zeit (Daten &amp;gt; Zeit...).</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="71"/>
        <source>Evidence: the plume&apos;s behaviour and the geochemistry in section %1, the model in section %2, the time frame in section %3.</source>
        <translation>Belege: das Verhalten der Fahne und die Geochemie in Abschnitt %1, das Modell in Abschnitt %2, der Zeitrahmen in Abschnitt %3.</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="78"/>
        <source>Evidence: the model in section %1, the time frame in the Time window (Data &amp;gt; Time...).</source>
        <translation>Belege: das Modell in Abschnitt %1, der Zeitrahmen im Fenster Zeit (Daten &amp;gt; Zeit...).</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="82"/>
        <source>Evidence: the model in section %1, the time frame in section %2.</source>
        <translation>Belege: das Modell in Abschnitt %1, der Zeitrahmen in Abschnitt %2.</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="95"/>
        <source>Lines of evidence</source>
        <translation>Beweislinien</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="98"/>
        <source>&lt;p&gt;The case of each contaminant assessed by the attenuation factor, line by line (lines of evidence after US EPA 1999); the lines change no verdict. %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Beweislage jedes nach dem Abminderungsfaktor bewerteten Schadstoffs, Linie für Linie (Beweislinien nach US EPA 1999); die Linien ändern kein Urteil. %1&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="109"/>
        <source>&lt;p&gt;No monitoring data: the lines of the plume&apos;s behaviour and of the geochemistry have no light. They need the wells&apos; samples and redox indicators (Data &amp;gt; Site data...).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Keine Monitoringdaten: die Linien des Verhaltens der Fahne und der Geochemie haben keine Ampel. Sie brauchen die Proben und Redoxindikatoren der Messstellen (Daten &amp;gt; Standortdaten...).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="116"/>
        <source>&lt;p&gt;No transect of wells is named: the mass discharge line has no light (Data &amp;gt; Site data..., Plume as a whole).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Kein Transekt von Messstellen ist benannt: die Linie der Schadstofffracht hat keine Ampel (Daten &amp;gt; Standortdaten..., Fahne als Ganzes).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="126"/>
        <source>Contaminant, line</source>
        <translation>Schadstoff, Linie</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="127"/>
        <source>Light</source>
        <translation>Ampel</translation>
    </message>
    <message>
        <location filename="../report/sections/EvidenceSection.cpp" line="128"/>
        <source>Reading</source>
        <translation>Ablesung</translation>
    </message>
</context>
<context>
    <name>ReportExact</name>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="12"/>
        <source>Comparison with the exact solution</source>
        <translation>Vergleich mit der exakten Lösung</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="19"/>
        <source>No attenuation factor to compare.</source>
        <translation>Kein Abminderungsfaktor zu vergleichen.</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="24"/>
        <source>The screening formula approximates the steady-state centre-line solution of the same source; the exact solution is computed by numerical integration (section %1). The screening result stays the verdict. &lt;b&gt;!!&lt;/b&gt; marks a result whose exact class is worse than its screening class; &lt;b&gt;!&lt;/b&gt; marks one whose class is the same but whose concentrations at the receptor differ by more than a factor %2.</source>
        <translation>Die Screening-Formel nähert die stationäre Lösung auf der Mittellinie derselben Quelle an; die exakte Lösung wird durch numerische Integration berechnet (Abschnitt %1). Das Screening-Ergebnis bleibt das Urteil. &lt;b&gt;!!&lt;/b&gt; kennzeichnet ein Ergebnis, dessen exakte Klasse ungünstiger ist als seine Screening-Klasse; &lt;b&gt;!&lt;/b&gt; eines mit gleicher Klasse, dessen Konzentrationen am Schutzgut sich um mehr als einen Faktor %2 unterscheiden.</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="40"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="41"/>
        <source>Screening C0/C</source>
        <translation>Screening C0/C</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="42"/>
        <source>Screening class</source>
        <translation>Screening-Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="43"/>
        <source>Exact C0/C</source>
        <translation>Exakt C0/C</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="44"/>
        <source>Exact class</source>
        <translation>Exakte Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="45"/>
        <source>Mark</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="53"/>
        <source>not computed</source>
        <translation>nicht berechnet</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="60"/>
        <source>worse</source>
        <translation>ungünstiger</translation>
    </message>
    <message>
        <location filename="../report/sections/ExactSection.cpp" line="64"/>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
</context>
<context>
    <name>ReportFile</name>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="208"/>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="326"/>
        <source>Virelo assessment report</source>
        <translation>Virelo-Bewertungsbericht</translation>
    </message>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="338"/>
        <source>the file exists and is not a PDF; it is left as it is</source>
        <translation>die Datei existiert und ist kein PDF; sie bleibt unverändert</translation>
    </message>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="350"/>
        <source>%1 - assessment report</source>
        <translation>%1 - Bewertungsbericht</translation>
    </message>
    <message>
        <location filename="../report/AssessmentReport.cpp" line="354"/>
        <source>the report could not be laid out</source>
        <translation>der Bericht konnte nicht gesetzt werden</translation>
    </message>
</context>
<context>
    <name>ReportFlowField</name>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="29"/>
        <source>Flow field</source>
        <translation>Strömungsfeld</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="32"/>
        <source>Source point: easting %1 m, northing %2 m. </source>
        <translation>Quellpunkt: Rechtswert %1 m, Hochwert %2 m. </translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="35"/>
        <source>Flow azimuth: %1&amp;#176; clockwise from north. </source>
        <translation>Fließazimut: %1&amp;#176; im Uhrzeigersinn von Nord. </translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="38"/>
        <source>Wells surveyed in map coordinates take s along the flow from the source and y across it, positive to the left looking downstream.</source>
        <translation>In Kartenkoordinaten eingemessene Messstellen erhalten s entlang der Strömung von der Quelle aus und y quer dazu, positiv nach links in Fließrichtung gesehen.</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="49"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="50"/>
        <source>Wells</source>
        <translation>Messstellen</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="51"/>
        <source>Gradient i</source>
        <translation>Gradient i</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="52"/>
        <source>Flow azimuth [&amp;#176;]</source>
        <translation>Fließazimut [&amp;#176;]</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="54"/>
        <source>%1 % interval [&amp;#176;]</source>
        <translation>%1-%-Intervall [&amp;#176;]</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="55"/>
        <source>rms residual [m]</source>
        <translation>RMS-Residuum [m]</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="76"/>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="79"/>
        <source>&lt;p&gt;The least-squares plane through the groundwater heads of each date gives the hydraulic gradient and the flow azimuth (the direction of steepest descent), each with its standard error and the azimuth with its 90 % interval (Student&apos;s t with n - 3 degrees of freedom for n wells).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Ausgleichsebene (kleinste Quadrate) durch die Grundwasserstände jedes Datums ergibt den hydraulischen Gradienten und den Fließazimut (die Richtung des steilsten Gefälles), jeweils mit seinem Standardfehler und den Azimut mit seinem 90-%-Intervall (Student-t mit n - 3 Freiheitsgraden für n Messstellen).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/FlowFieldSection.cpp" line="87"/>
        <source>&lt;p&gt;A dash: 3 wells: no uncertainty; the plane passes through every head and leaves no residual to judge it by.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ein Strich: 3 Messstellen: keine Unsicherheit; die Ebene geht durch jeden Grundwasserstand und lässt kein Residuum, an dem sie sich beurteilen ließe.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportInputs</name>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="29"/>
        <source>unknown or variable</source>
        <translation>unbekannt oder wechselnd</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="30"/>
        <source>aerobic</source>
        <translation>aerob</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="31"/>
        <source>anaerobic, nitrate-reducing (NO3)</source>
        <translation>anaerob, nitratreduzierend (NO3)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="32"/>
        <source>anaerobic, iron-reducing (Fe)</source>
        <translation>anaerob, eisenreduzierend (Fe)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="33"/>
        <source>anaerobic, sulfate-reducing (SO4)</source>
        <translation>anaerob, sulfatreduzierend (SO4)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="34"/>
        <source>anaerobic, mixed plumes</source>
        <translation>anaerob, Mischfahnen</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="35"/>
        <source>anaerobic, methanogenic (CH4)</source>
        <translation>anaerob, methanogen (CH4)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="38"/>
        <source>not chosen</source>
        <translation>nicht gewählt</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="47"/>
        <source>from the wells</source>
        <translation>aus den Messstellen</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="48"/>
        <source>from the wells, %1</source>
        <translation>aus den Messstellen, %1</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="51"/>
        <source>user-defined</source>
        <translation>benutzerdefiniert</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="54"/>
        <source>none chosen</source>
        <translation>keine gewählt</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="58"/>
        <source>no preset for %1</source>
        <translation>keine Vorgabe für %1</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="59"/>
        <source>preset, %1</source>
        <translation>Vorgabe, %1</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="63"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="68"/>
        <source>No description.</source>
        <translation>Keine Beschreibung.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="79"/>
        <source>Aquifer</source>
        <translation>Grundwasserleiter</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="84"/>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="85"/>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="86"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="87"/>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="97"/>
        <source>Distance source - receptor</source>
        <translation>Abstand Quelle - Schutzgut</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="99"/>
        <source>Hydraulic conductivity</source>
        <translation>Durchlässigkeitsbeiwert</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="101"/>
        <source>Hydraulic gradient</source>
        <translation>Hydraulischer Gradient</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="102"/>
        <source>Effective porosity</source>
        <translation>Nutzbares Hohlraumvolumen</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="105"/>
        <source>Source width across the flow</source>
        <translation>Quellbreite quer zur Strömung</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="107"/>
        <source>Source thickness below the water table</source>
        <translation>Quellmächtigkeit unter dem Grundwasserspiegel</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="109"/>
        <source>Longitudinal dispersivity</source>
        <translation>Longitudinale Dispersivität</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="111"/>
        <source>Horizontal transverse dispersivity (across the flow)</source>
        <translation>Transversal-horizontale Dispersivität (quer zur Strömung)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="113"/>
        <source>Vertical dispersivity (over the thickness)</source>
        <translation>Transversal-vertikale Dispersivität (über die Mächtigkeit)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="120"/>
        <location filename="../report/sections/InputsSection.cpp" line="195"/>
        <source>not entered</source>
        <translation>nicht eingegeben</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="129"/>
        <source>Dispersivities: %1.&lt;br&gt;Redox condition: %2.</source>
        <translation>Dispersivitäten: %1.&lt;br&gt;Redoxbedingungen: %2.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="131"/>
        <source>approximated from x (ax = x/10, ay = ax/10, az = ay/10, each to three decimals)</source>
        <translation>aus x abgeschätzt (ax = x/10, ay = ax/10, az = ay/10, je auf drei Nachkommastellen)</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="135"/>
        <source>entered by the user, not approximated from x</source>
        <translation>vom Benutzer eingegeben, nicht aus x abgeschätzt</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="147"/>
        <source>&lt;b&gt;Note:&lt;/b&gt; the dispersivities used differ from those x gives (ax = %1, ay = %2, az = %3 m); open and save the project to bring them up to date.</source>
        <translation>&lt;b&gt;Hinweis:&lt;/b&gt; die verwendeten Dispersivitäten weichen von denen ab, die x ergibt (ax = %1, ay = %2, az = %3 m); öffnen und speichern Sie das Projekt, um sie zu aktualisieren.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="157"/>
        <source>Contaminants</source>
        <translation>Schadstoffe</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="164"/>
        <source>No contaminant is marked for assessment.</source>
        <translation>Kein Schadstoff ist zur Bewertung markiert.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="169"/>
        <source>C0 and CA in %1; decay constants in 1/d. Assessed: PL the plume length, AF the attenuation factor. Decay constant from: the database preset for a redox condition, the site&apos;s wells, or user-defined. The literature plume length is the 75th percentile of observed plumes, with the number of literature entries in brackets.</source>
        <translation>C0 und CA in %1; Zerfallskonstanten in 1/d. Bewertet: PL die Fahnenlänge, AF der Abminderungsfaktor. Zerfallskonstante aus: der Datenbankvorgabe für eine Redoxbedingung, den Messstellen des Standorts oder benutzerdefiniert. Die Fahnenlänge aus der Literatur ist das 75. Perzentil beobachteter Fahnen, mit der Zahl der Literaturangaben in Klammern.</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="183"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="184"/>
        <source>Assessed</source>
        <translation>Bewertet</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="185"/>
        <source>Decay constant [1/d]</source>
        <translation>Zerfallskonstante [1/d]</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="186"/>
        <source>Decay constant from</source>
        <translation>Zerfallskonstante aus</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="187"/>
        <source>Literature plume length [m]</source>
        <translation>Fahnenlänge aus der Literatur [m]</translation>
    </message>
    <message>
        <location filename="../report/sections/InputsSection.cpp" line="201"/>
        <source>not known</source>
        <translation>nicht bekannt</translation>
    </message>
</context>
<context>
    <name>ReportMethods</name>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="51"/>
        <source>source decaying at ks = %1 1/d</source>
        <translation>Quelle nimmt ab mit ks = %1 1/d</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="53"/>
        <source>source decaying from its mass M0 = %1 kg</source>
        <translation>Quelle nimmt ab von ihrer Masse M0 = %1 kg</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="62"/>
        <source>No sorption: the contaminant moves at the seepage velocity (retardation factor 1).</source>
        <translation>Keine Sorption: der Schadstoff bewegt sich mit der Abstandsgeschwindigkeit (Retardationsfaktor 1).</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="67"/>
        <source>Sorption retards by R = 1 + &amp;#961;&lt;sub&gt;b&lt;/sub&gt; Koc foc / n&lt;sub&gt;e&lt;/sub&gt;: %1%2. %3</source>
        <translation>Sorption verzögert um R = 1 + &amp;#961;&lt;sub&gt;b&lt;/sub&gt; Koc foc / n&lt;sub&gt;e&lt;/sub&gt;: %1%2. %3</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="72"/>
        <source>; the others move at the seepage velocity (R = 1)</source>
        <translation>; die übrigen bewegen sich mit der Abstandsgeschwindigkeit (R = 1)</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="75"/>
        <source>The dissolved and the sorbed phase decay: the steady values use &amp;#955;&amp;#183;R in place of &amp;#955;.</source>
        <translation>Gelöste und sorbierte Phase werden abgebaut: die stationären Werte verwenden &amp;#955;&amp;#183;R statt &amp;#955;.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="79"/>
        <source>Only the dissolved phase decays: at steady state R drops out and changes no steady value.</source>
        <translation>Nur die gelöste Phase wird abgebaut: im stationären Zustand fällt R heraus und ändert keinen stationären Wert.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="88"/>
        <source>Steady state: the source is constant and the plume has reached its full extent.</source>
        <translation>Stationärer Zustand: die Quelle ist konstant und die Fahne hat ihre volle Ausdehnung erreicht.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="92"/>
        <source>Steady state: the plume has reached its full extent from a source at C0. The source of %1 shrinks over time; the steady values keep C0 and so give it no credit.</source>
        <translation>Stationärer Zustand: die Fahne hat ihre volle Ausdehnung aus einer Quelle mit C0 erreicht. Die Quelle von %1 nimmt mit der Zeit ab; die stationären Werte behalten C0 bei und rechnen ihr das nicht an.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="102"/>
        <source>Methods</source>
        <translation>Methoden</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="103"/>
        <source>Plume length</source>
        <translation>Fahnenlänge</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="109"/>
        <source>Plug flow at the seepage velocity with first-order decay: the plume ends where the concentration has fallen from C0 to CA.</source>
        <translation>Kolbenströmung mit der Abstandsgeschwindigkeit und Abbau erster Ordnung: die Fahne endet, wo die Konzentration von C0 auf CA gefallen ist.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="113"/>
        <source>with Kf the hydraulic conductivity [m/d], i the hydraulic gradient, ne the effective porosity, &amp;#955; the decay constant [1/d]. The plume length is classified by d/x, its ratio to the distance x between source and receptor.</source>
        <translation>mit Kf dem Durchlässigkeitsbeiwert [m/d], i dem hydraulischen Gradienten, ne dem nutzbaren Hohlraumvolumen, &amp;#955; der Zerfallskonstante [1/d]. Die Fahnenlänge wird nach d/x eingestuft, ihrem Verhältnis zum Abstand x zwischen Quelle und Schutzgut.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="118"/>
        <source>Attenuation factor</source>
        <translation>Abminderungsfaktor</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="126"/>
        <source>Steady-state analytical solution for the centre line of a plume from a rectangular source (width W = 2 Sy across the flow, thickness Sz below the water table) with longitudinal dispersion and first-order decay (Domenico 1987), at the receptor distance x:</source>
        <translation>Stationäre analytische Lösung für die Mittellinie einer Fahne aus einer rechteckigen Quelle (Breite W = 2 Sy quer zur Strömung, Mächtigkeit Sz unter dem Grundwasserspiegel) mit longitudinaler Dispersion und Abbau erster Ordnung (Domenico 1987), im Abstand x des Schutzguts:</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="132"/>
        <source>AF is the attenuation factor, C the highest source concentration that keeps the receptor at CA. The attenuation factor is classified by C0/C. The error function is the C library&apos;s erf; an infinite or undefined argument (a dispersivity of 0) counts as erf = 1. A receptor concentration of 1e-30 or less gives AF = 0 and C0/C infinite, which counts as green: nothing of the source reaches the receptor.</source>
        <translation>AF ist der Abminderungsfaktor, C die höchste Quellkonzentration, die das Schutzgut bei CA hält. Der Abminderungsfaktor wird nach C0/C eingestuft. Die Fehlerfunktion ist erf der C-Bibliothek; ein unendliches oder undefiniertes Argument (eine Dispersivität von 0) zählt als erf = 1. Eine Konzentration am Schutzgut von 1e-30 oder weniger ergibt AF = 0 und C0/C unendlich, was als grün zählt: nichts von der Quelle erreicht das Schutzgut.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="141"/>
        <source>For comparison (section %1 and the charts) the exact steady-state centre-line concentration of the same continuous patch source with longitudinal dispersion and first-order decay is computed by adaptive Gauss-Kronrod quadrature over the source&apos;s history, to a relative error of 1e-6 or better (Wexler 1992). The screening formula underpredicts it, the more so the larger the dispersivities and the stronger the decay (West et al. 2007).</source>
        <translation>Zum Vergleich (Abschnitt %1 und die Diagramme) wird die exakte stationäre Konzentration auf der Mittellinie derselben kontinuierlichen Flächenquelle mit longitudinaler Dispersion und Abbau erster Ordnung durch adaptive Gauß-Kronrod-Quadratur über die Geschichte der Quelle berechnet, auf einen relativen Fehler von 1e-6 oder besser (Wexler 1992). Die Screening-Formel unterschätzt sie, umso mehr, je größer die Dispersivitäten und je stärker der Abbau (West et al. 2007).</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="150"/>
        <source>Assumptions and limits</source>
        <translation>Annahmen und Grenzen</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="155"/>
        <source>Homogeneous aquifer: one conductivity, gradient, porosity and set of dispersivities between source and receptor; uniform flow in one direction.</source>
        <translation>Homogener Grundwasserleiter: ein Durchlässigkeitsbeiwert, Gradient, Hohlraumvolumen und Satz Dispersivitäten zwischen Quelle und Schutzgut; gleichförmige Strömung in einer Richtung.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="160"/>
        <source>First-order decay with one constant for the whole flow path, chosen for one redox condition.</source>
        <translation>Abbau erster Ordnung mit einer Konstante für den ganzen Fließweg, gewählt für eine Redoxbedingung.</translation>
    </message>
    <message>
        <location filename="../report/sections/MethodsSection.cpp" line="165"/>
        <source>The plume length neglects dispersion; both models are screening tools and do not replace a site model where the verdict is close.</source>
        <translation>Die Fahnenlänge vernachlässigt die Dispersion; beide Modelle sind Screening-Werkzeuge und ersetzen kein Standortmodell, wo das Urteil knapp ist.</translation>
    </message>
</context>
<context>
    <name>ReportPlausibility</name>
    <message>
        <location filename="../report/sections/PlausibilitySection.cpp" line="12"/>
        <source>Plausibility warnings</source>
        <translation>Plausibilitätswarnungen</translation>
    </message>
    <message>
        <location filename="../report/sections/PlausibilitySection.cpp" line="17"/>
        <source>None: every aquifer value lies within the usual ranges.</source>
        <translation>Keine: jeder Wert des Grundwasserleiters liegt in den üblichen Bereichen.</translation>
    </message>
    <message>
        <location filename="../report/sections/PlausibilitySection.cpp" line="22"/>
        <source>These values pass the checks but are unusual for an aquifer; they change no verdict. Check that each was entered as meant.</source>
        <translation>Diese Werte bestehen die Prüfungen, sind aber für einen Grundwasserleiter ungewöhnlich; sie ändern kein Urteil. Prüfen Sie, ob jeder wie beabsichtigt eingegeben wurde.</translation>
    </message>
</context>
<context>
    <name>ReportProblems</name>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="24"/>
        <source>&lt;b&gt;Plume length of %1&lt;/b&gt;: %2 problem(s)</source>
        <translation>&lt;b&gt;Fahnenlänge von %1&lt;/b&gt;: %2 Problem(e)</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="26"/>
        <source>&lt;b&gt;Attenuation factor of %1&lt;/b&gt;: %2 problem(s)</source>
        <translation>&lt;b&gt;Abminderungsfaktor von %1&lt;/b&gt;: %2 Problem(e)</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="32"/>
        <source>These hold for its single-species model only: its decay chain gives the verdict.</source>
        <translation>Diese gelten nur für sein Einzelstoffmodell: seine Abbaukette gibt das Urteil.</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="54"/>
        <source>&lt;b&gt;Evidence left out of the verdicts&lt;/b&gt;: the verdicts stand without it.</source>
        <translation>&lt;b&gt;In den Urteilen nicht berücksichtigte Belege&lt;/b&gt;: die Urteile gelten ohne sie.</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="60"/>
        <source>Problem %1: %2 %3</source>
        <translation>Problem %1: %2 %3</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="71"/>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="85"/>
        <source>None: every assessment has complete inputs.</source>
        <translation>Keine: jede Bewertung hat vollständige Eingaben.</translation>
    </message>
    <message>
        <location filename="../report/sections/ProblemsSection.cpp" line="88"/>
        <source>None: nothing is assessed.</source>
        <translation>Keine: nichts wird bewertet.</translation>
    </message>
</context>
<context>
    <name>ReportRedox</name>
    <message>
        <location filename="../report/ReportContext.cpp" line="261"/>
        <source>unknown / variable</source>
        <translation>unbekannt / wechselnd</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="262"/>
        <source>aerobic</source>
        <translation>aerob</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="263"/>
        <source>anaerobic NO3</source>
        <translation>anaerob NO3</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="264"/>
        <source>anaerobic Fe</source>
        <translation>anaerob Fe</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="265"/>
        <source>anaerobic SO4</source>
        <translation>anaerob SO4</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="266"/>
        <source>anaerobic mixed plumes</source>
        <translation>anaerob, gemischte Fahnen</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="267"/>
        <source>anaerobic CH4</source>
        <translation>anaerob CH4</translation>
    </message>
    <message>
        <location filename="../report/ReportContext.cpp" line="270"/>
        <source>not chosen</source>
        <translation>nicht gewählt</translation>
    </message>
</context>
<context>
    <name>ReportReferences</name>
    <message>
        <location filename="../report/sections/ReferencesSection.cpp" line="14"/>
        <source>References</source>
        <translation>Literatur</translation>
    </message>
</context>
<context>
    <name>ReportResults</name>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="35"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="38"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="41"/>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="44"/>
        <source>Receptor, screening [%1]</source>
        <translation>Schutzgut, Screening [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="47"/>
        <source>Receptor, exact [%1]</source>
        <translation>Schutzgut, exakt [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="50"/>
        <source>Target C = CA &amp;#183; AF [%1]</source>
        <translation>Ziel C = CA &amp;#183; AF [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="59"/>
        <source>%1: see %2</source>
        <translation>%1: siehe %2</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="93"/>
        <source>single-species model: see problems</source>
        <translation>Einzelstoffmodell: siehe Probleme</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="98"/>
        <source>see problems</source>
        <translation>siehe Probleme</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="170"/>
        <source>No contaminant is assessed for its plume length.</source>
        <translation>Kein Schadstoff wird nach seiner Fahnenlänge bewertet.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="172"/>
        <source>No contaminant is assessed for its attenuation factor.</source>
        <translation>Kein Schadstoff wird nach seinem Abminderungsfaktor bewertet.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="188"/>
        <source>Assessment range %1.</source>
        <translation>Bewertungsbereich %1.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="224"/>
        <source>Decay constant from the site&apos;s wells:</source>
        <translation>Zerfallskonstante aus den Messstellen des Standorts:</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="228"/>
        <source>Verdict: the worst of the class under the verdict basis, the class the contaminant&apos;s decay chain gives it and the class of the site&apos;s wells; beside it the inputs that made it worse than the screening class (exact, chain, wells), each with the section that holds its evidence.</source>
        <translation>Urteil: die ungünstigste aus der Klasse nach der Bewertungsgrundlage, der Klasse, die die Abbaukette des Schadstoffs ergibt, und der Klasse der Messstellen des Standorts; daneben die Eingaben, die es ungünstiger als die Screening-Klasse gemacht haben (exakt, Kette, Messstellen), jeweils mit dem Abschnitt, der ihre Belege enthält.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="238"/>
        <source>d: plume extension; x: distance source - receptor.</source>
        <translation>d: Fahnenausdehnung; x: Abstand Quelle - Schutzgut.</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="240"/>
        <source>AF: attenuation factor C0/C(x); C0: concentration at the source; C: acceptable concentration at the source (CA &amp;#215; AF). Receptor: the concentration each model predicts at x. Target: the source concentration that just meets CA at the receptor, under the verdict basis (%1).</source>
        <translation>AF: Abminderungsfaktor C0/C(x); C0: Konzentration an der Quelle; C: zulässige Konzentration an der Quelle (CA &amp;#215; AF). Schutzgut: die Konzentration, die jedes Modell bei x vorhersagt. Ziel: die Quellkonzentration, die CA am Schutzgut gerade einhält, nach der Bewertungsgrundlage (%1).</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="252"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="253"/>
        <source>Plume length</source>
        <translation>Fahnenlänge</translation>
    </message>
    <message>
        <location filename="../report/sections/ResultsSection.cpp" line="255"/>
        <source>Attenuation factor</source>
        <translation>Abminderungsfaktor</translation>
    </message>
</context>
<context>
    <name>ReportRobustness</name>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="31"/>
        <source>fragile</source>
        <translation>fragil</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="39"/>
        <source>No value the input checks accept changes a class</source>
        <translation>Kein Wert, den die Eingabeprüfungen zulassen, ändert eine Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="43"/>
        <source>plume length</source>
        <translation>Fahnenlänge</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="44"/>
        <source>attenuation factor</source>
        <translation>Abminderungsfaktor</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="57"/>
        <source>Worse at</source>
        <translation>Schlechter bei</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="58"/>
        <location filename="../report/sections/RobustnessSection.cpp" line="60"/>
        <source>%1 at</source>
        <translation>%1 bei</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="59"/>
        <source>Better at</source>
        <translation>Besser bei</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="90"/>
        <source>robust</source>
        <translation>robust</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="96"/>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="97"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="123"/>
        <source>not used</source>
        <translation>nicht verwendet</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="148"/>
        <source>Robustness</source>
        <translation>Robustheit</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="151"/>
        <source>No result without problems.</source>
        <translation>Kein Ergebnis ohne Probleme.</translation>
    </message>
    <message>
        <location filename="../report/sections/RobustnessSection.cpp" line="156"/>
        <source>For each contaminant and each input: its value and, for the plume length (PL) and the attenuation factor (AF) each, the value at which the class would become worse and the one at which it would become better, with the factor to each (all other inputs as they are). An input whose nearer break-even value lies within a factor %1 of its value makes the verdict fragile; such lines are shaded and marked &lt;b&gt;fragile&lt;/b&gt;, the value that makes them so in bold where both assessments share the line. A dash: no value the input checks accept reaches that class; &quot;not used&quot;: the plume length does not depend on the input. Inputs that would show only dashes and &quot;not used&quot; share the block&apos;s last line.</source>
        <translation>Für jeden Schadstoff und jede Eingabe: ihr Wert und, für die Fahnenlänge (PL) und den Abminderungsfaktor (AF) jeweils, der Wert, bei dem die Klasse ungünstiger würde, und der, bei dem sie günstiger würde, mit dem Faktor zu jedem (alle anderen Eingaben unverändert). Eine Eingabe, deren näherer Umschlagwert innerhalb eines Faktors %1 ihres Werts liegt, macht das Urteil fragil; solche Zeilen sind schattiert und mit &lt;b&gt;fragil&lt;/b&gt; markiert, der Wert, der sie dazu macht, fett, wo beide Bewertungen die Zeile teilen. Ein Strich: kein Wert, den die Eingabeprüfungen zulassen, erreicht diese Klasse; „nicht verwendet“: die Fahnenlänge hängt nicht von der Eingabe ab. Eingaben, die nur Striche und „nicht verwendet“ zeigen würden, teilen sich die letzte Zeile des Blocks.</translation>
    </message>
</context>
<context>
    <name>ReportSiteData</name>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="79"/>
        <location filename="../report/sections/SiteDataSection.cpp" line="259"/>
        <source>Redox condition from the indicators</source>
        <translation>Redoxbedingungen aus den Indikatoren</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="80"/>
        <location filename="../report/sections/SiteDataSection.cpp" line="175"/>
        <source>Well</source>
        <translation>Messstelle</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="81"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="82"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="83"/>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="84"/>
        <source>Rests on</source>
        <translation>Beruht auf</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="85"/>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="86"/>
        <source>Solvent score</source>
        <translation>Lösemittel-Punktzahl</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="109"/>
        <source>; not measured: %1</source>
        <translation>; nicht gemessen: %1</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="131"/>
        <source>&lt;p&gt;Classes by the thresholds of McMahon and Chapelle 2008 and Jurgens et al. 2009. Suggested redox condition: &lt;b&gt;%1&lt;/b&gt; (%2). The aquifer is assessed as %3.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Klassen nach den Schwellenwerten von McMahon und Chapelle 2008 und Jurgens et al. 2009. Vorgeschlagene Redoxbedingungen: &lt;b&gt;%1&lt;/b&gt; (%2). Der Grundwasserleiter wird bewertet als %3.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="152"/>
        <source>&lt;p&gt;The solvent score is the screening for reductive dechlorination of chlorinated solvents (Wiedemeier et al. 1998, US EPA/600/R-98/128, Table 2.3), scored on the parameters measured: O2 below 0.5 mg/L 3 points, above 5 mg/L &amp;#8722;3; nitrate below 1 mg/L (read as NO3) 2; iron(II) above 1 mg/L 3; sulfate below 20 mg/L 2; sulfide above 1 mg/L 3; methane above 0.5 mg/L 3; ORP below 50 mV 1, below &amp;#8722;100 mV 2; TOC above 20 mg/L 2 (a DOC above 20 mg/L where no TOC was measured); temperature above 20 &amp;#176;C 1; ethene and ethane together above 0.01 mg/L 2, above 0.1 mg/L 3; alkalinity above twice background 1; where a decay chain records the released solvents, TCE, DCE and VC found and not released 2 each. A total of 5 or less is inadequate evidence, 6 to 14 limited, 15 to 20 adequate, above 20 strong. Rows not measured at a well are named beside its score. Background: %2. The table&apos;s other rows are not scored: %1. The pH row counts a pH outside 5 to 9 against dechlorination, so a total without it may be too high as well as too low.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Lösemittel-Punktzahl ist das Screening auf reduktive Dechlorierung chlorierter Lösemittel (Wiedemeier et al. 1998, US EPA/600/R-98/128, Table 2.3), vergeben für die gemessenen Parameter: O2 unter 0,5 mg/L 3 Punkte, über 5 mg/L &amp;#8722;3; Nitrat unter 1 mg/L (als NO3 gelesen) 2; Eisen(II) über 1 mg/L 3; Sulfat unter 20 mg/L 2; Sulfid über 1 mg/L 3; Methan über 0,5 mg/L 3; ORP unter 50 mV 1, unter &amp;#8722;100 mV 2; TOC über 20 mg/L 2 (ein DOC über 20 mg/L, wo kein TOC gemessen wurde); Temperatur über 20 &amp;#176;C 1; Ethen und Ethan zusammen über 0,01 mg/L 2, über 0,1 mg/L 3; Alkalinität über dem Doppelten des Hintergrunds 1; wo eine Abbaukette die freigesetzten Lösemittel verzeichnet, TCE, DCE und VC gefunden und nicht freigesetzt je 2. Eine Summe von 5 oder weniger ist unzureichender Beleg, 6 bis 14 begrenzt, 15 bis 20 ausreichend, über 20 stark. An einer Messstelle nicht gemessene Zeilen sind neben ihrer Punktzahl genannt. Hintergrund: %2. Die übrigen Zeilen der Tabelle werden nicht bewertet: %1. Die pH-Zeile zählt einen pH außerhalb von 5 bis 9 gegen die Dechlorierung, daher kann eine Summe ohne sie ebenso zu hoch wie zu niedrig sein.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="198"/>
        <source>Site data</source>
        <translation>Standortdaten</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="199"/>
        <source>&lt;p&gt;The site&apos;s own monitoring wells and samples. A concentration-distance fit along the centre line gives the bulk attenuation rate k = &amp;#8722;m&amp;#183;v and, corrected for dispersion after Buscheck and Alcantar (1995), the biodegradation rate &amp;#955; = v/(4&amp;#183;ax)&amp;#183;([1 + 2&amp;#183;ax&amp;#183;(&amp;#8722;m)]&amp;#178; &amp;#8722; 1), with its 90 % interval from Student&apos;s t (Newell et al. 2002). Non-detects are left out of every fit and trend.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die eigenen Grundwassermessstellen und Proben des Standorts. Eine Konzentrations-Abstands-Anpassung entlang der Fahnenachse ergibt die Gesamtabbaurate k = &amp;#8722;m&amp;#183;v und, nach Buscheck und Alcantar (1995) um die Dispersion korrigiert, die Bioabbaurate &amp;#955; = v/(4&amp;#183;ax)&amp;#183;([1 + 2&amp;#183;ax&amp;#183;(&amp;#8722;m)]&amp;#178; &amp;#8722; 1), mit ihrem 90-%-Intervall aus Student-t (Newell et al. 2002). Nicht nachweisbare Werte bleiben bei jeder Anpassung und jedem Trend außen vor.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="172"/>
        <source>Monitoring wells</source>
        <translation>Grundwassermessstellen</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="176"/>
        <source>In fit</source>
        <translation>In Anpassung</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="183"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="184"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="189"/>
        <source>&lt;p&gt;%1 samples.&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1 Proben.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="218"/>
        <source>%1: decay constant from the wells</source>
        <translation>%1: Zerfallskonstante aus den Messstellen</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="224"/>
        <source>Date, wells in the fit</source>
        <translation>Datum, Messstellen in der Anpassung</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="227"/>
        <source>Slope m [1/m], 90 % interval</source>
        <translation>Steigung m [1/m], 90-%-Intervall</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="228"/>
        <source>%1 (%2 to %3), R&amp;#178; %4</source>
        <translation>%1 (%2 bis %3), R&amp;#178; %4</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="232"/>
        <source>Bulk rate k [1/d]</source>
        <translation>Gesamtabbaurate k [1/d]</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="234"/>
        <source>&amp;#955; [1/d], 90 % interval</source>
        <translation>&amp;#955; [1/d], 90-%-Intervall</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="235"/>
        <source>&lt;b&gt;%1&lt;/b&gt; (%2 to %3), half-life %4 d</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; (%2 bis %3), Halbwertszeit %4 d</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="243"/>
        <source>Not detected, left out: %1.</source>
        <translation>Nicht nachweisbar, ausgelassen: %1.</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="261"/>
        <source>&lt;p&gt;No redox indicator was measured at any well.&lt;/p&gt;</source>
        <translation>&lt;p&gt;An keiner Messstelle wurde ein Redoxindikator gemessen.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="272"/>
        <source>%1: the wells gave &amp;#955; = %2 1/d (%3), but the value in use, %4 1/d, was entered by hand since</source>
        <translation>%1: die Messstellen ergaben &amp;#955; = %2 1/d (%3), der verwendete Wert %4 1/d wurde seitdem aber von Hand eingegeben</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="280"/>
        <source>%1: &amp;#955; = %2 1/d, %3</source>
        <translation>%1: &amp;#955; = %2 1/d, %3</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteDataSection.cpp" line="285"/>
        <source>&lt;p&gt;Decay constants taken from the site data:&lt;br&gt;%1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Aus den Standortdaten übernommene Zerfallskonstanten:&lt;br&gt;%1&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportSiteTrends</name>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="35"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="43"/>
        <source>Increasing</source>
        <translation>Zunehmend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="45"/>
        <source>Probably Increasing</source>
        <translation>Wahrscheinlich zunehmend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="46"/>
        <source>No Trend</source>
        <translation>Kein Trend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="47"/>
        <source>Stable</source>
        <translation>Stabil</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="49"/>
        <source>Probably Decreasing</source>
        <translation>Wahrscheinlich abnehmend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="50"/>
        <source>Decreasing</source>
        <translation>Abnehmend</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="72"/>
        <source>Trends at the wells</source>
        <translation>Trends an den Messstellen</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="81"/>
        <source>Well</source>
        <translation>Messstelle</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="98"/>
        <source>k point %1</source>
        <translation>k Punkt %1</translation>
    </message>
    <message>
        <location filename="../report/sections/SiteTrends.cpp" line="105"/>
        <source>&lt;p&gt;Trends of %1 at the wells (Mann&amp;#8211;Kendall, classes after Aziz et al. 2003; S the Mann&amp;#8211;Kendall statistic with its confidence, COV the coefficient of variation, k point the rate of the concentration over time [1/d]):&lt;/p&gt;</source>
        <translation>&lt;p&gt;Trends von %1 an den Messstellen (Mann&amp;#8211;Kendall, Klassen nach Aziz et al. 2003; S die Mann&amp;#8211;Kendall-Statistik mit ihrer Konfidenz, COV der Variationskoeffizient, k Punkt die Rate der Konzentration über die Zeit [1/d]):&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportSources</name>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="72"/>
        <source>Decay constant, %1:</source>
        <translation>Zerfallskonstante, %1:</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="85"/>
        <source>no source recorded</source>
        <translation>keine Quelle angegeben</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="102"/>
        <source>source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="107"/>
        <source>entered by hand; the recorded source (%1) gave %2 1/d</source>
        <translation>von Hand eingegeben; die angegebene Quelle (%1) ergab %2 1/d</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="111"/>
        <source>decay constant from the wells</source>
        <translation>Zerfallskonstante aus den Messstellen</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="112"/>
        <source>user-defined decay constant</source>
        <translation>benutzerdefinierte Zerfallskonstante</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="120"/>
        <source>User-defined decay constants:</source>
        <translation>Benutzerdefinierte Zerfallskonstanten:</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="142"/>
        <source>%1 (bundled database)</source>
        <translation>%1 (mitgelieferte Datenbank)</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="152"/>
        <source>Organic-carbon partition coefficients:</source>
        <translation>Verteilungskoeffizienten organischer Kohlenstoff (Koc):</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="230"/>
        <source>%1, each contaminant&apos;s values in its entry below</source>
        <translation>%1, die Werte jedes Schadstoffs in seinem Eintrag unten</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="291"/>
        <source>Sources of the database values used</source>
        <translation>Quellen der verwendeten Datenbankwerte</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="307"/>
        <source>not in the bundled database; no source is recorded for its values.</source>
        <translation>nicht in der mitgelieferten Datenbank; für seine Werte ist keine Quelle angegeben.</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="316"/>
        <source>the decay constant</source>
        <translation>die Zerfallskonstante</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="321"/>
        <source>the literature plume length</source>
        <translation>die Fahnenlänge aus der Literatur</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="327"/>
        <source>the bundled database records no source for its values.</source>
        <translation>die mitgelieferte Datenbank gibt für seine Werte keine Quelle an.</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="332"/>
        <source>&lt;b&gt;Note:&lt;/b&gt; %1 in this project differ(s) from the bundled database; no source is recorded for the value used.</source>
        <translation>&lt;b&gt;Hinweis:&lt;/b&gt; %1 in diesem Projekt weicht/weichen von der mitgelieferten Datenbank ab; für den verwendeten Wert ist keine Quelle angegeben.</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="335"/>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="347"/>
        <source>No database value is used: every decay constant in use is user-defined and no literature plume length is known.</source>
        <translation>Kein Datenbankwert wird verwendet: jede verwendete Zerfallskonstante ist benutzerdefiniert und keine Fahnenlänge aus der Literatur ist bekannt.</translation>
    </message>
    <message>
        <location filename="../report/sections/SourcesSection.cpp" line="352"/>
        <source>No database value is used: no contaminant is assessed.</source>
        <translation>Kein Datenbankwert wird verwendet: kein Schadstoff wird bewertet.</translation>
    </message>
</context>
<context>
    <name>ReportStability</name>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="35"/>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="36"/>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="37"/>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="51"/>
        <source>%1 per m of b</source>
        <translation>%1 je m von b</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="55"/>
        <source>%1 (%2 left out)</source>
        <translation>%1 (%2 ausgelassen)</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="60"/>
        <source>%1 (%2 to %3)</source>
        <translation>%1 (%2 bis %3)</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="68"/>
        <source>line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="69"/>
        <source>delaunay</source>
        <translation>Delaunay</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="95"/>
        <source>%1 % at %2 (%3)</source>
        <translation>%1 % bei %2 (%3)</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="113"/>
        <source>&lt;p&gt;Mass discharge Md = &amp;#931; C&amp;#183;Kf&amp;#183;i&amp;#183;w&amp;#183;b through each transect of wells across the flow, each well standing for the strip w halfway to its neighbours%1; the dispersive flux is neglected (ITRC 2010).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Schadstofffracht Md = &amp;#931; C&amp;#183;Kf&amp;#183;i&amp;#183;w&amp;#183;b durch jedes Transekt von Messstellen quer zur Strömung, jede Messstelle für den Streifen w bis zur Hälfte des Weges zu ihren Nachbarn%1; der dispersive Fluss wird vernachlässigt (ITRC 2010).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="118"/>
        <source>, per metre of saturated thickness (b not entered)</source>
        <translation>, je Meter wassergesättigter Mächtigkeit (b nicht eingegeben)</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="124"/>
        <location filename="../report/sections/StabilitySection.cpp" line="157"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="125"/>
        <source>Transect</source>
        <translation>Transekt</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="127"/>
        <location filename="../report/sections/StabilitySection.cpp" line="158"/>
        <source>Rounds</source>
        <translation>Messkampagnen</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="128"/>
        <source>Md latest [g/d]</source>
        <translation>Md zuletzt [g/d]</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="129"/>
        <source>Md trend</source>
        <translation>Md-Trend</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="130"/>
        <source>Next transect downstream</source>
        <translation>Nächstes Transekt stromab</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="133"/>
        <source>&lt;p&gt;No mass discharge: %1.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Keine Schadstofffracht: %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="148"/>
        <source>The plume as a whole</source>
        <translation>Die Fahne als Ganzes</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="149"/>
        <source>&lt;p&gt;The dissolved mass M0 = ne&amp;#183;b&amp;#183;&amp;#8747;C dA and the centre of mass per sampling round, on the same wells in every round, interpolated linearly between them (on their Delaunay triangles, or along a row of wells per metre of plume width). Green: the mass decreases and the centre of mass does not move downstream; red: either increases; yellow otherwise.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die gelöste Schadstoffmasse M0 = ne&amp;#183;b&amp;#183;&amp;#8747;C dA und der Schwerpunkt je Messkampagne, an denselben Messstellen in jeder Kampagne, linear zwischen ihnen interpoliert (auf ihren Delaunay-Dreiecken oder entlang einer Reihe von Messstellen je Meter Fahnenbreite). Grün: die Masse nimmt ab und der Schwerpunkt wandert nicht stromab; rot: eines von beiden nimmt zu; sonst gelb.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="159"/>
        <source>Estimator</source>
        <translation>Schätzer</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="160"/>
        <source>Mass first &amp;#8594; last</source>
        <translation>Masse erste &amp;#8594; letzte</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="161"/>
        <source>Mass trend</source>
        <translation>Massentrend</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="162"/>
        <source>Centre of mass</source>
        <translation>Schwerpunkt</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="163"/>
        <source>Half-life [d]</source>
        <translation>Halbwertszeit [d]</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="164"/>
        <source>Drift / v/R [m/d]</source>
        <translation>Drift / v/R [m/d]</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="165"/>
        <source>Light</source>
        <translation>Ampel</translation>
    </message>
    <message>
        <location filename="../report/sections/StabilitySection.cpp" line="168"/>
        <source>&lt;p&gt;Rounds missing a well of the set are left out; &lt;code&gt;virelo-cli stability&lt;/code&gt; lists them with the mass, centre and spread of every round.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Kampagnen, denen eine Messstelle des Satzes fehlt, werden ausgelassen; &lt;code&gt;virelo-cli stability&lt;/code&gt; listet sie mit Masse, Schwerpunkt und Streuung jeder Kampagne.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportTime</name>
    <message>
        <location filename="../report/sections/TimeSection.cpp" line="47"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../report/sections/TimeSection.cpp" line="48"/>
        <source>&lt;p&gt;The concentration at the receptor over time on the plume&apos;s centre line, under the transient screening form (Domenico 1987) and the exact solution of the patch source (Wexler 1992), with retardation R = 1 + &amp;rho;&lt;sub&gt;b&lt;/sub&gt; Koc foc / n&lt;sub&gt;e&lt;/sub&gt; and a constant or first-order decaying source. Times are in days since the source appeared; &quot;-&quot; where a time does not occur. A daughter of a decay chain is followed through its chain, in the project&apos;s concentration unit. The steady verdict above does not depend on them.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Konzentration am Schutzgut über die Zeit auf der Fahnenachse, nach der instationären Screening-Form (Domenico 1987) und der exakten Lösung der Flächenquelle (Wexler 1992), mit der Retardation R = 1 + &amp;rho;&lt;sub&gt;b&lt;/sub&gt; Koc foc / n&lt;sub&gt;e&lt;/sub&gt; und einer konstanten oder nach erster Ordnung abklingenden Quelle. Zeiten in Tagen seit dem Auftreten der Quelle; „-“, wo eine Zeit nicht eintritt. Ein Tochterstoff einer Abbaukette wird über seine Kette verfolgt, in der Konzentrationseinheit des Projekts. Das stationäre Urteil oben hängt nicht von ihnen ab.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/TimeSection.cpp" line="90"/>
        <source> Decay chain: %1.</source>
        <translation> Abbaukette: %1.</translation>
    </message>
    <message>
        <location filename="../report/sections/TimeSection.cpp" line="93"/>
        <source> No screening values: %1</source>
        <translation> Keine Screening-Werte: %1</translation>
    </message>
</context>
<context>
    <name>ReportTitle</name>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="16"/>
        <source>Monitored natural attenuation - assessment report</source>
        <translation>Monitored Natural Attenuation (MNA) - Bewertungsbericht</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="20"/>
        <source>Project title</source>
        <translation>Projekttitel</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="22"/>
        <source>Author</source>
        <translation>Bearbeiter</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="24"/>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="26"/>
        <source>Report date</source>
        <translation>Berichtsdatum</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="29"/>
        <source>not saved</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="33"/>
        <location filename="../report/sections/TitleSection.cpp" line="39"/>
        <source>Project file</source>
        <translation>Projektdatei</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="36"/>
        <location filename="../report/sections/TitleSection.cpp" line="40"/>
        <source>SHA-256 of the file</source>
        <translation>SHA-256 der Datei</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="42"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="44"/>
        <source>Plume-length range</source>
        <translation>Bereich Fahnenlänge</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="45"/>
        <source>Attenuation-factor range</source>
        <translation>Bereich Abminderungsfaktor</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="46"/>
        <source>Verdict basis</source>
        <translation>Bewertungsgrundlage</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="47"/>
        <source>%1 (decides the class of each attenuation factor)</source>
        <translation>%1 (entscheidet die Klasse jedes Abminderungsfaktors)</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="49"/>
        <source>Concentration unit</source>
        <translation>Konzentrationseinheit</translation>
    </message>
    <message>
        <location filename="../report/sections/TitleSection.cpp" line="55"/>
        <source>&lt;b&gt;Note:&lt;/b&gt; this report was made from a project that is not saved as it stands (a new project, or one with changes since it was last saved). No project file reproduces it. Save the project and make the report again to give it a file and a checksum.</source>
        <translation>&lt;b&gt;Hinweis:&lt;/b&gt; dieser Bericht wurde aus einem Projekt erstellt, das in diesem Stand nicht gespeichert ist (ein neues Projekt oder eines mit Änderungen seit dem letzten Speichern). Keine Projektdatei reproduziert ihn. Speichern Sie das Projekt und erstellen Sie den Bericht erneut, damit er eine Datei und eine Prüfsumme erhält.</translation>
    </message>
</context>
<context>
    <name>ReportUncertainty</name>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="35"/>
        <source>AF exact</source>
        <translation>AF exakt</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="36"/>
        <source>AF worse</source>
        <translation>AF ungünstiger</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="42"/>
        <source>plume length</source>
        <translation>Fahnenlänge</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="45"/>
        <source>attenuation factor, exact solution</source>
        <translation>Abminderungsfaktor, exakte Lösung</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="47"/>
        <source>attenuation factor, worse of the two models</source>
        <translation>Abminderungsfaktor, das ungünstigere der beiden Modelle</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="48"/>
        <source>attenuation factor</source>
        <translation>Abminderungsfaktor</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="94"/>
        <source> of %1</source>
        <translation> von %1</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="98"/>
        <source>Green %1, Yellow %2, Red %3. Rank correlation: %4</source>
        <translation>Grün %1, Gelb %2, Rot %3. Rangkorrelation: %4</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="100"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="173"/>
        <source>Uncertainty</source>
        <translation>Unsicherheit</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="174"/>
        <source>&lt;p&gt;Every input below is drawn from its distribution, all at once and independently of each other, in %1 samples (plain Monte Carlo, seed %2); every other input keeps its value. Each probability is the share of the samples in that class, &amp;#177; its binomial standard error (the largest of the four is given). PL: plume length, AF: attenuation factor; the ratio is d/x or C0/C.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Jede Eingabe unten wird aus ihrer Verteilung gezogen, alle zugleich und unabhängig voneinander, in %1 Stichproben (einfaches Monte Carlo, Startwert %2); jede andere Eingabe behält ihren Wert. Jede Wahrscheinlichkeit ist der Anteil der Stichproben in dieser Klasse, &amp;#177; ihr binomialer Standardfehler (der größte der vier ist angegeben). PL: Fahnenlänge, AF: Abminderungsfaktor; das Verhältnis ist d/x oder C0/C.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="113"/>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="114"/>
        <source>Distribution</source>
        <translation>Verteilung</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="115"/>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="193"/>
        <source>&lt;p&gt;&lt;b&gt;No run: the distributions have problems.&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Kein Lauf: die Verteilungen haben Probleme.&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="137"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="138"/>
        <source>Assessment</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="139"/>
        <source>P(Green)</source>
        <translation>P(Grün)</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="140"/>
        <source>P(Yellow)</source>
        <translation>P(Gelb)</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="141"/>
        <source>P(Red)</source>
        <translation>P(Rot)</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="142"/>
        <source>Ratio 5 / 50 / 95&amp;#160;%</source>
        <translation>Verhältnis 5 / 50 / 95&amp;#160;%</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="149"/>
        <source>problems (see %1)</source>
        <translation>Probleme (siehe %1)</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="215"/>
        <source>&lt;p&gt;The ratios of the samples, each bar split by class (Green, Yellow, Red from the bottom), with the class bounds dashed; under each the shares of the classes and the rank correlation of each drawn input with the ratio.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Verhältnisse der Stichproben, jeder Balken nach Klasse geteilt (Grün, Gelb, Rot von unten), mit den Klassengrenzen gestrichelt; darunter jeweils die Anteile der Klassen und die Rangkorrelation jeder gezogenen Eingabe mit dem Verhältnis.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/UncertaintySection.cpp" line="228"/>
        <source>&lt;p&gt;&lt;i&gt;Histograms of the first %1 results only.&lt;/i&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;Histogramme nur der ersten %1 Ergebnisse.&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ReportWells</name>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="47"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="48"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="49"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="67"/>
        <source>&lt;p&gt;Distance fit of %1 (%2 %, the wells in the fit): slope m = %3 1/m (%4 to %5).</source>
        <translation>&lt;p&gt;Abstandsanpassung vom %1 (%2 %, die Messstellen in der Anpassung): Steigung m = %3 1/m (%4 bis %5).</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="75"/>
        <source> The wells give no class:&lt;/p&gt;&lt;ul&gt;</source>
        <translation> Die Messstellen ergeben keine Klasse:&lt;/p&gt;&lt;ul&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="81"/>
        <source>the fit gives no concentration</source>
        <translation>die Anpassung ergibt keine Konzentration</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="84"/>
        <source> Extrapolated to the receptor: C(x) = %1 %2 against CA = %3 %2, &lt;b&gt;%4&lt;/b&gt;; with the slope at the ends of its interval %5 %2 (%6) and %7 %2 (%8).&lt;/p&gt;</source>
        <translation> Bis zum Schutzgut extrapoliert: C(x) = %1 %2 gegen CA = %3 %2, &lt;b&gt;%4&lt;/b&gt;; mit der Steigung an den Enden ihres Intervalls %5 %2 (%6) und %7 %2 (%8).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="96"/>
        <source>&lt;p&gt;&lt;i&gt;No well has a detected value on the fit&apos;s date.&lt;/i&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;i&gt;Keine Messstelle hat am Datum der Anpassung einen nachgewiesenen Wert.&lt;/i&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="111"/>
        <source>Measured [%1]</source>
        <translation>Gemessen [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="112"/>
        <source>Screening [%1]</source>
        <translation>Screening [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="113"/>
        <source>Exact [%1]</source>
        <translation>Exakt [%1]</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="114"/>
        <source>Measured / model</source>
        <translation>Gemessen / Modell</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="115"/>
        <source>Well</source>
        <translation>Messstelle</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="119"/>
        <source> &lt;i&gt;(not in the fit)&lt;/i&gt;</source>
        <translation> &lt;i&gt;(nicht in der Anpassung)&lt;/i&gt;</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="123"/>
        <source>%1 under</source>
        <translation>%1 darunter</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="144"/>
        <source>Model against the wells</source>
        <translation>Modell gegen die Messstellen</translation>
    </message>
    <message>
        <location filename="../report/sections/WellsSection.cpp" line="146"/>
        <source>&lt;p&gt;The concentration-distance fit of the site data (section %1, at its default date, the latest with at least three detected values in the fit, and %2 %) extrapolated to the receptor, C(x) = exp(a + m&amp;#183;x), is the site&apos;s own estimate of the receptor&apos;s concentration. It is classed as a species of a decay chain is: C(x)/CA against the attenuation-factor range, green where C(x) &amp;lt;= %3 CA, yellow up to %4 CA, red above; this class enters the verdict of every row of the contaminant. A fit with warnings gives no class. Beside each well with a detected value on the fit&apos;s date stand the concentrations the screening formula and the exact solution predict at its distance s along the flow and y across it, and the measured value over the model under the verdict basis (%5). A well in the fit that holds more than %6 times the model is marked &quot;under&quot;: there the model underpredicts the wells.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Konzentrations-Abstands-Anpassung der Standortdaten (Abschnitt %1, an ihrem Standarddatum, dem letzten mit mindestens drei nachgewiesenen Werten in der Anpassung, und %2 %), bis zum Schutzgut extrapoliert, C(x) = exp(a + m&amp;#183;x), ist die eigene Schätzung des Standorts für die Konzentration am Schutzgut. Sie wird wie ein Stoff einer Abbaukette klassiert: C(x)/CA gegen den Bereich des Abminderungsfaktors, grün bei C(x) &amp;lt;= %3 CA, gelb bis %4 CA, rot darüber; diese Klasse geht in das Urteil jeder Zeile des Schadstoffs ein. Eine Anpassung mit Warnungen ergibt keine Klasse. Neben jeder Messstelle mit einem nachgewiesenen Wert am Datum der Anpassung stehen die Konzentrationen, die die Screening-Formel und die exakte Lösung in ihrem Abstand s entlang der Strömung und y quer dazu vorhersagen, und der Messwert geteilt durch das Modell nach der Bewertungsgrundlage (%5). Eine Messstelle in der Anpassung mit mehr als dem %6-Fachen des Modells ist mit „darunter“ markiert: dort unterschätzt das Modell die Messstellen.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>ResultListModel</name>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="41"/>
        <location filename="../pages/ResultListModel.cpp" line="279"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="46"/>
        <location filename="../pages/ResultListModel.cpp" line="274"/>
        <source>Margin</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <location filename="../pages/ResultColumns.cpp" line="52"/>
        <location filename="../pages/ResultListModel.cpp" line="248"/>
        <source>Marks</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="212"/>
        <source>Fragile: the class changes within a factor of 2 of %1.</source>
        <translation>Knapp: die Klasse wechselt innerhalb eines Faktors 2 von %1.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="214"/>
        <source>The smallest change of one input that changes the class.</source>
        <translation>Die kleinste Änderung einer Eingabe, die die Klasse ändert.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="215"/>
        <source>No single input changes the class.</source>
        <translation>Keine einzelne Eingabe ändert die Klasse.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="252"/>
        <source>What else bears on the verdict: its decay chain (chain), the site&apos;s wells (wells), a model beneath the wells (under), a decay constant from the wells (λ), models on both sides of CA (±CA). Rest the mouse on a mark to read it.</source>
        <translation>Was das Urteil außerdem bestimmt: ihre Abbaukette (Kette), die Messstellen des Standorts (Messstellen), ein Modell unter den Messstellen (darunter), eine Zerfallskonstante aus den Messstellen (λ), Modelle auf beiden Seiten von CA (±CA). Die Maus auf einem Hinweis zeigt ihn.</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="257"/>
        <source>The probability of each class from the last uncertainty run</source>
        <translation>Die Wahrscheinlichkeit jeder Klasse aus der letzten Unsicherheitsrechnung</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="259"/>
        <source>C(x) exact [%1]</source>
        <translation>C(x) exakt [%1]</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="260"/>
        <source>Target C [%1]</source>
        <translation>Ziel C [%1]</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="262"/>
        <source>Concentration the screening model predicts at the receptor: C0 · C(x)/C0</source>
        <translation>Konzentration, die das Screening-Modell am Schutzgut vorhersagt: C0 · C(x)/C0</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="263"/>
        <source>Concentration the exact solution predicts at the receptor; marked where the two models fall on opposite sides of CA</source>
        <translation>Konzentration, die die exakte Lösung am Schutzgut vorhersagt; markiert, wo die beiden Modelle auf verschiedenen Seiten von CA liegen</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="266"/>
        <source>Remedial target: the source concentration C = CA · AF at which the receptor just meets CA, under the verdict basis</source>
        <translation>Sanierungsziel: die Quellkonzentration C = CA · AF, bei der das Schutzgut CA gerade einhält, nach der Bewertungsgrundlage</translation>
    </message>
    <message>
        <location filename="../pages/ResultListModel.cpp" line="276"/>
        <source>The smallest factor by which one input would change the class; marked where it is within a factor of 2 (a fragile verdict)</source>
        <translation>Der kleinste Faktor, um den eine Eingabe die Klasse ändern würde; markiert, wo er unter 2 liegt (eine knappe Bewertung)</translation>
    </message>
</context>
<context>
    <name>ResultVerdict</name>
    <message>
        <location filename="../pages/ResultVerdict.cpp" line="54"/>
        <location filename="../pages/ResultVerdict.cpp" line="58"/>
        <source>Screening model</source>
        <translation>Screening-Modell</translation>
    </message>
    <message>
        <location filename="../pages/ResultVerdict.cpp" line="55"/>
        <source>Exact solution</source>
        <translation>Exakte Lösung</translation>
    </message>
    <message>
        <location filename="../pages/ResultVerdict.cpp" line="56"/>
        <source>Worse of the two</source>
        <translation>Schlechteres von beiden</translation>
    </message>
</context>
<context>
    <name>RobustnessDialog</name>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="48"/>
        <source>distance source to receptor</source>
        <translation>Abstand Schadensherd zum Schutzgut</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="49"/>
        <source>hydraulic conductivity</source>
        <translation>Durchlässigkeitsbeiwert</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="50"/>
        <source>hydraulic gradient</source>
        <translation>hydraulischer Gradient</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="51"/>
        <source>effective porosity</source>
        <translation>nutzbares Hohlraumvolumen</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="52"/>
        <source>decay constant</source>
        <translation>Zerfallskonstante</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="54"/>
        <source>longitudinal dispersivity</source>
        <translation>longitudinale Dispersivität</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="56"/>
        <source>horizontal transverse dispersivity</source>
        <translation>transversal-horizontale Dispersivität</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="57"/>
        <source>vertical dispersivity</source>
        <translation>transversal-vertikale Dispersivität</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="61"/>
        <source>half the source width across the flow</source>
        <translation>halbe Quellbreite quer zur Strömung</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="63"/>
        <source>source thickness below the water table</source>
        <translation>Quellmächtigkeit unter der Grundwasseroberfläche</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="65"/>
        <source>concentration at source</source>
        <translation>Konzentration am Schadensherd</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="67"/>
        <source>accepted concentration at receptor</source>
        <translation>zulässige Konzentration am Schutzgut</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="113"/>
        <source>Robustness</source>
        <translation>Robustheit</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="124"/>
        <source>Assessment &amp;range : </source>
        <translation>Bewertungs&amp;bereich : </translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="177"/>
        <source>Each value is where the class changes while every other input stays as it is; the factor is that value over the current one. — : no value the input checks accept reaches the bound. Inputs within a factor of 2 are marked as fragile.</source>
        <translation>Jeder Wert ist der, bei dem sich die Klasse ändert, während alle anderen Eingaben bleiben; der Faktor ist dieser Wert geteilt durch den aktuellen. — : kein von den Eingabeprüfungen akzeptierter Wert erreicht die Grenze. Eingaben innerhalb eines Faktors 2 sind als fragil markiert.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="215"/>
        <source>plume length</source>
        <translation>Fahnenlänge</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="215"/>
        <source>attenuation factor</source>
        <translation>Abminderungsfaktor</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="231"/>
        <source>This assessment has problems: there are no break-even values.</source>
        <translation>Diese Bewertung hat Probleme: es gibt keine Umschlagwerte.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="233"/>
        <source>Robust: no single input changes the class within a factor of 2.</source>
        <translation>Robust: keine einzelne Eingabe ändert die Klasse innerhalb eines Faktors 2.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="235"/>
        <source>Fragile: the class changes within a factor of 2 of %1.</source>
        <translation>Fragil: die Klasse ändert sich innerhalb eines Faktors 2 von %1.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="247"/>
        <source>%1 at</source>
        <translation>%1 bei</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="249"/>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="249"/>
        <source>Current value</source>
        <translation>Aktueller Wert</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="250"/>
        <location filename="../analysis/RobustnessDialog.cpp" line="251"/>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="250"/>
        <source>Worse at</source>
        <translation>Schlechter bei</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="251"/>
        <source>Better at</source>
        <translation>Besser bei</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="273"/>
        <source>There is no class beyond %1.</source>
        <translation>Es gibt keine Klasse jenseits von %1.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="274"/>
        <source>No value of %1 that the input checks accept reaches %2.</source>
        <translation>Kein von den Eingabeprüfungen akzeptierter Wert von %1 erreicht %2.</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="277"/>
        <source>With %1 = %2 the class becomes %3 (all other inputs as they are).</source>
        <translation>Mit %1 = %2 wird die Klasse %3 (alle anderen Eingaben unverändert).</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="292"/>
        <source>%1: fragile, the class changes within a factor of 2</source>
        <translation>%1: fragil, die Klasse ändert sich innerhalb eines Faktors 2</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="306"/>
        <source>Factor to the next class change (log scale)</source>
        <translation>Faktor bis zum nächsten Klassenwechsel (logarithmisch)</translation>
    </message>
    <message>
        <location filename="../analysis/RobustnessDialog.cpp" line="311"/>
        <location filename="../analysis/RobustnessDialog.cpp" line="312"/>
        <source>towards %1</source>
        <translation>in Richtung %1</translation>
    </message>
</context>
<context>
    <name>SiteCharts</name>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="83"/>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="85"/>
        <location filename="../analysis/SiteCharts.cpp" line="166"/>
        <source>Detected</source>
        <translation>Nachgewiesen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="86"/>
        <location filename="../analysis/SiteCharts.cpp" line="167"/>
        <source>Not detected (limit)</source>
        <translation>Nicht nachweisbar (Grenze)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="123"/>
        <source>Fit, slope %1 1/m</source>
        <translation>Anpassung, Steigung %1 1/m</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="127"/>
        <source>%1 % interval of the slope</source>
        <translation>%1-%-Intervall der Steigung</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="142"/>
        <source>Distance from the source s [m]</source>
        <translation>Abstand vom Schadensherd s [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="163"/>
        <source>%1 at %2</source>
        <translation>%1 an %2</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="186"/>
        <source>Trend, k = %1 1/d</source>
        <translation>Trend, k = %1 1/d</translation>
    </message>
    <message>
        <location filename="../analysis/SiteCharts.cpp" line="197"/>
        <source>Sampling date</source>
        <translation>Probenahmedatum</translation>
    </message>
</context>
<context>
    <name>SiteDataWindow</name>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="56"/>
        <source>Site data</source>
        <translation>Standortdaten</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="63"/>
        <source>&amp;Wells and samples</source>
        <translation>&amp;Messstellen und Proben</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="65"/>
        <source>&amp;Decay constant</source>
        <translation>&amp;Zerfallskonstante</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="67"/>
        <source>&amp;Trends and redox</source>
        <translation>&amp;Trends und Redox</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="71"/>
        <source>&amp;Plume as a whole</source>
        <translation>&amp;Fahne als Ganzes</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="76"/>
        <source>&amp;Flow field</source>
        <translation>&amp;Strömungsfeld</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="84"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="114"/>
        <source>Monitoring wells</source>
        <translation>Grundwassermessstellen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="116"/>
        <source>Add &amp;well</source>
        <translation>&amp;Messstelle hinzufügen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="129"/>
        <source>Samples (concentrations and indicators)</source>
        <translation>Proben (Konzentrationen und Indikatoren)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="131"/>
        <source>Add &amp;sample</source>
        <translation>&amp;Probe hinzufügen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="145"/>
        <source>&amp;Import CSV...</source>
        <translation>CSV &amp;importieren...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="149"/>
        <source>&amp;Paste table</source>
        <translation>Tabelle ein&amp;fügen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="153"/>
        <source>Export w&amp;ells...</source>
        <translation>Mess&amp;stellen exportieren...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="154"/>
        <source>Export sa&amp;mples...</source>
        <translation>Pro&amp;ben exportieren...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="160"/>
        <location filename="../analysis/SiteDataWindow.cpp" line="359"/>
        <source>Map &amp;names...</source>
        <translation>&amp;Namen zuordnen...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="167"/>
        <source>Slashed dates refused</source>
        <translation>Schrägstrich-Datum abgelehnt</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="167"/>
        <source>Slashed dates day/month</source>
        <translation>Schrägstrich-Datum Tag/Monat</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="167"/>
        <source>Slashed dates month/day</source>
        <translation>Schrägstrich-Datum Monat/Tag</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="241"/>
        <source>Nothing imported:
%1</source>
        <translation>Nichts importiert:
%1</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="247"/>
        <source>Imported %1 wells and %2 samples from %3.</source>
        <translation>%1 Messstellen und %2 Proben aus %3 importiert.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="251"/>
        <location filename="../analysis/SiteDataWindow.cpp" line="253"/>
        <source>
Note: %1</source>
        <translation>
Hinweis: %1</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="260"/>
        <source>
No contaminant or indicator has these names (kept as written; &quot;Map names&quot; names them):</source>
        <translation>
Kein Schadstoff und kein Indikator trägt diese Namen (wie geschrieben behalten; „Namen zuordnen“ ordnet sie zu):</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="263"/>
        <source>
  &quot;%1&quot;: %2 samples</source>
        <translation>
  „%1“: %2 Proben</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="285"/>
        <source>Site tables (*.csv *.txt);;All files (*)</source>
        <translation>Standorttabellen (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="295"/>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="324"/>
        <source>CSV tables (*.csv)</source>
        <translation>CSV-Tabellen (*.csv)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="335"/>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="338"/>
        <source>Wrote %1.</source>
        <translation>%1 geschrieben.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="347"/>
        <source>The clipboard holds no table.</source>
        <translation>Die Zwischenablage enthält keine Tabelle.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="351"/>
        <source>pasted table</source>
        <translation>eingefügte Tabelle</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="359"/>
        <source>Map %1 unknown &amp;names...</source>
        <translation>%1 unbekannte &amp;Namen zuordnen...</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDataWindow.cpp" line="369"/>
        <source>Saved the names as the project&apos;s aliases.</source>
        <translation>Die Namen wurden als Aliase des Projekts gespeichert.</translation>
    </message>
</context>
<context>
    <name>SiteDecayView</name>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="75"/>
        <source>&amp;Use as decay constant</source>
        <translation>Als Zerfallskonstante &amp;verwenden</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="81"/>
        <source>&amp;Contaminant:</source>
        <translation>&amp;Schadstoff:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="82"/>
        <source>D&amp;ate:</source>
        <translation>D&amp;atum:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="83"/>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="140"/>
        <source>Wells in the fit</source>
        <translation>Messstellen in der Anpassung</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="141"/>
        <source>Slope m</source>
        <translation>Steigung m</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="143"/>
        <source>%1 % interval</source>
        <translation>%1-%-Intervall</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="147"/>
        <source>Bulk rate k = −m·v</source>
        <translation>Gesamtabbaurate k = −m·v</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="149"/>
        <source>&lt;b&gt;λ&lt;/b&gt; (Buscheck–Alcantar)</source>
        <translation>&lt;b&gt;λ&lt;/b&gt; (Buscheck–Alcantar)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="152"/>
        <source>%1 % interval of λ</source>
        <translation>%1-%-Intervall von λ</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="154"/>
        <source>Half-life</source>
        <translation>Halbwertszeit</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="161"/>
        <source>&lt;p&gt;Not detected, left out: %1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Nicht nachweisbar, ausgelassen: %1&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="181"/>
        <source>%1 is a daughter product in the decay chain %2.

Along the wells its concentration falls by its own decay less what its parent forms, so the fitted λ = %3 1/d is an apparent rate (formation minus decay), not the decay constant of %1. The decay chain adds the formation again.

Use it as the decay constant of %1 all the same?</source>
        <translation>%1 ist ein Tochterprodukt in der Abbaukette %2.

Entlang der Messstellen sinkt seine Konzentration um den eigenen Abbau abzüglich dessen, was sein Ausgangsstoff bildet; das angepasste λ = %3 1/d ist daher eine scheinbare Rate (Bildung minus Abbau), nicht die Zerfallskonstante von %1. Die Abbaukette rechnet die Bildung wieder hinzu.

Trotzdem als Zerfallskonstante von %1 verwenden?</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="187"/>
        <source>Virelo</source>
        <translation>Virelo</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="193"/>
        <source>λ = %1 1/d is now the user-defined decay constant of %2.</source>
        <translation>λ = %1 1/d ist jetzt die benutzerdefinierte Zerfallskonstante von %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="197"/>
        <source> The wells&apos; rate %1 1/d is λ·R with R = %2 (decay of dissolved and sorbed phase).</source>
        <translation> Die Rate der Messstellen %1 1/d ist λ·R mit R = %2 (Abbau von gelöster und sorbierter Phase).</translation>
    </message>
    <message>
        <location filename="../analysis/SiteDecayView.cpp" line="205"/>
        <source>The project has no contaminant called %1.</source>
        <translation>Das Projekt hat keinen Schadstoff namens %1.</translation>
    </message>
</context>
<context>
    <name>SiteFlowView</name>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="82"/>
        <source>Hydraulic gradient i = %1 from the %2.</source>
        <translation>Hydraulischer Gradient i = %1 aus: %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="85"/>
        <source>Hydraulic gradient: changed since i = %1 was taken from the heads; the heads no longer speak for it.</source>
        <translation>Hydraulischer Gradient: geändert, seit i = %1 aus den Grundwasserständen übernommen wurde; die Grundwasserstände stützen ihn nicht mehr.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="92"/>
        <source>Flow azimuth %1° from the %2.</source>
        <translation>Fließazimut %1° aus: %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="97"/>
        <source>Flow azimuth: changed since %1° was taken from the %2.</source>
        <translation>Fließazimut: geändert, seit %1° übernommen wurde aus: %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="100"/>
        <source>plume axis</source>
        <translation>Fahnenachse</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="101"/>
        <source>heads</source>
        <translation>Grundwasserstände</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="117"/>
        <source>&amp;Place wells</source>
        <translation>Messstellen &amp;platzieren</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="119"/>
        <source>Site on the map</source>
        <translation>Standort auf der Karte</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="125"/>
        <source>Source easting [m]</source>
        <translation>Rechtswert der Quelle [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="126"/>
        <source>Source northing [m]</source>
        <translation>Hochwert der Quelle [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="127"/>
        <source>Flow azimuth [° from north]</source>
        <translation>Fließazimut [° von Nord]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="139"/>
        <source>Apply to a&amp;quifer</source>
        <translation>Auf Grundwasser&amp;leiter anwenden</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="142"/>
        <source>Use as &amp;flow direction</source>
        <translation>Als &amp;Fließrichtung verwenden</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="151"/>
        <source>Flow field from the heads</source>
        <translation>Strömungsfeld aus den Grundwasserständen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="154"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="192"/>
        <source>Use plume a&amp;xis as flow direction</source>
        <translation>Fahnenachse als Fließrichtung &amp;verwenden</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="202"/>
        <source>Plume axis from the concentrations</source>
        <translation>Fahnenachse aus den Konzentrationen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="205"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="255"/>
        <source>No contaminant is detected at two or more wells with map coordinates to give the plume&apos;s axis.</source>
        <translation>Kein Schadstoff ist an zwei oder mehr Messstellen mit Kartenkoordinaten nachgewiesen, um die Achse der Fahne zu bestimmen.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="264"/>
        <source>Plume axis &lt;b&gt;%1°&lt;/b&gt; through %2 wells (concentration-weighted mean bearing from the source point; resultant length %3, 1 on one bearing).</source>
        <translation>Fahnenachse &lt;b&gt;%1°&lt;/b&gt; durch %2 Messstellen (konzentrationsgewichtete mittlere Richtung vom Quellpunkt; resultierende Länge %3, 1 bei einer Richtung).</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="281"/>
        <source>No date has heads at three or more wells with map coordinates. Heads are samples of the analyte Head in m; the wells need easting and northing.</source>
        <translation>Kein Datum hat Grundwasserstände an drei oder mehr Messstellen mit Kartenkoordinaten. Grundwasserstände sind Proben des Analyten Head in m; die Messstellen brauchen Rechts- und Hochwert.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="294"/>
        <source>%1 wells: gradient i = &lt;b&gt;%2&lt;/b&gt;, flow azimuth &lt;b&gt;%3&lt;/b&gt; (steepest descent, clockwise from north), rms residual %4 m.</source>
        <translation>%1 Messstellen: Gradient i = &lt;b&gt;%2&lt;/b&gt;, Fließazimut &lt;b&gt;%3&lt;/b&gt; (steilster Abfall, im Uhrzeigersinn von Nord), RMS-Residuum %4 m.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="303"/>
        <source>&lt;br&gt;Residuals [m]: </source>
        <translation>&lt;br&gt;Residuen [m]: </translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="304"/>
        <source>&lt;br&gt;&lt;b&gt;Warning:&lt;/b&gt; </source>
        <translation>&lt;br&gt;&lt;b&gt;Warnung:&lt;/b&gt; </translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="307"/>
        <source>&lt;br&gt;Over %1 dates: mean flow azimuth %2°, circular standard deviation %3° (all within %4° to %5°).</source>
        <translation>&lt;br&gt;Über %1 Daten: mittlerer Fließazimut %2°, zirkuläre Standardabweichung %3° (alle zwischen %4° und %5°).</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="314"/>
        <source>&lt;br&gt;%1 well(s) with a head on this date have no map coordinates and are left out.</source>
        <translation>&lt;br&gt;%1 Messstelle(n) mit Grundwasserstand an diesem Datum haben keine Kartenkoordinaten und bleiben unberücksichtigt.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="360"/>
        <source>%1° (%2 wells: no uncertainty)</source>
        <translation>%1° (%2 Messstellen: keine Unsicherheit)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="367"/>
        <source>any direction</source>
        <translation>jede Richtung</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="378"/>
        <source>The source point needs both easting and northing in metres.</source>
        <translation>Der Quellpunkt braucht Rechts- und Hochwert in Metern.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="382"/>
        <source>The flow azimuth is given in degrees clockwise from north.</source>
        <translation>Der Fließazimut wird in Grad im Uhrzeigersinn von Nord angegeben.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="397"/>
        <source>The wells on the map have their s and y from the new map.</source>
        <translation>Die Messstellen auf der Karte haben ihr s und y aus der neuen Karte.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteFlowView.cpp" line="398"/>
        <source>The wells in map coordinates take their s and y once the map has both the source point and the flow azimuth.</source>
        <translation>Die Messstellen in Kartenkoordinaten erhalten ihr s und y, sobald die Karte den Quellpunkt und den Fließazimut hat.</translation>
    </message>
</context>
<context>
    <name>SiteMapPlan</name>
    <message>
        <location filename="../analysis/SiteMapPlan.cpp" line="93"/>
        <source>No wells with map coordinates. Import a wells table with the columns well,easting,northing to see them here.</source>
        <translation>Keine Messstellen mit Kartenkoordinaten. Importieren Sie eine Messstellentabelle mit den Spalten well,easting,northing, um sie hier zu sehen.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteMapPlan.cpp" line="114"/>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <location filename="../analysis/SiteMapPlan.cpp" line="132"/>
        <source>solid: flow direction used; dashed: from the heads</source>
        <translation>durchgezogen: verwendete Fließrichtung; gestrichelt: aus den Grundwasserständen</translation>
    </message>
</context>
<context>
    <name>SitePlumeView</name>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="47"/>
        <source>no class</source>
        <translation>keine Klasse</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="83"/>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="85"/>
        <source>A sample date within this many days of the round&apos;s previous date joins that round. Saved with the project; the report and the lines of evidence use it too.</source>
        <translation>Ein Probenahmedatum innerhalb so vieler Tage nach dem vorigen Datum der Messkampagne gehört zu dieser. Wird mit dem Projekt gespeichert; Bericht und Beweislinien nutzen es auch.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Round</source>
        <translation>Messkampagne</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Wells</source>
        <translation>Messstellen</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Mass, ND at limit</source>
        <translation>Masse, ND an Grenze</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="95"/>
        <source>Centre s [m]</source>
        <translation>Schwerpunkt s [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="96"/>
        <source>Centre y [m]</source>
        <translation>Schwerpunkt y [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="96"/>
        <source>Spread σs [m]</source>
        <translation>Streuung σs [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="96"/>
        <source>Spread σy [m]</source>
        <translation>Streuung σy [m]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="111"/>
        <source>Contaminant:</source>
        <translation>Schadstoff:</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="113"/>
        <source>&amp;Rounds join within:</source>
        <translation>&amp;Zusammenfassen innerhalb:</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="129"/>
        <source>Mass discharge through transects, and the background</source>
        <translation>Schadstofffracht durch Transekte und der Hintergrund</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="143"/>
        <source>&amp;Background wells:</source>
        <translation>&amp;Hintergrundmessstellen:</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="162"/>
        <location filename="../analysis/SitePlumeView.cpp" line="195"/>
        <source>Transect</source>
        <translation>Transekt</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="162"/>
        <source>Wells, separated by commas</source>
        <translation>Messstellen, durch Kommas getrennt</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="169"/>
        <source>Add transect</source>
        <translation>Transekt hinzufügen</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="178"/>
        <source>Type the wells of the new transect, two or more, across the flow.</source>
        <translation>Geben Sie die Messstellen des neuen Transekts ein, zwei oder mehr, quer zur Strömung.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="182"/>
        <source>Remove transect</source>
        <translation>Transekt entfernen</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="195"/>
        <source>Rounds</source>
        <translation>Messkampagnen</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="196"/>
        <source>Md latest [g/d]</source>
        <translation>Md zuletzt [g/d]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="196"/>
        <source>Md trend</source>
        <translation>Md-Trend</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="196"/>
        <source>Next downstream</source>
        <translation>Nächster abstromig</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="200"/>
        <source>none marked: the wells upstream of the source</source>
        <translation>keine markiert: die Messstellen oberstromig der Quelle</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="229"/>
        <source> per m of b</source>
        <translation> je m von b</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="230"/>
        <source>Mass [%1]</source>
        <translation>Masse [%1]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="231"/>
        <source>Mass, ND at limit [%1]</source>
        <translation>Masse, ND an Grenze [%1]</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="244"/>
        <source>No monitoring data: import the wells&apos; samples on &quot;Wells and samples&quot;.</source>
        <translation>Keine Monitoringdaten: importieren Sie die Proben der Messstellen unter „Messstellen und Proben“.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="246"/>
        <source>No mass: the wells with a value in every round are too few.</source>
        <translation>Keine Masse: zu wenige Messstellen haben in jeder Messkampagne einen Wert.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="249"/>
        <source>Estimator: linear along s between the wells, which lie nearly in a row (mass per metre of plume width).</source>
        <translation>Schätzer: linear entlang s zwischen den Messstellen, die nahezu in einer Reihe liegen (Masse je Meter Fahnenbreite).</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="251"/>
        <source>Estimator: linear on the Delaunay triangles of the wells, over their hull.</source>
        <translation>Schätzer: linear auf den Delaunay-Dreiecken der Messstellen, über ihre Hülle.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="252"/>
        <source>Wells compared: %1.</source>
        <translation>Verglichene Messstellen: %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="253"/>
        <source>Mass: %1; centre of mass: %2; spread: %3.</source>
        <translation>Masse: %1; Schwerpunkt: %2; Streuung: %3.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="257"/>
        <source>Mass half-life %1 d (%2 to %3).</source>
        <translation>Halbwertszeit der Masse %1 d (%2 bis %3).</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="261"/>
        <source>Drift of the centre %1 m/d (%2 to %3) against v/R %4 m/d.</source>
        <translation>Drift des Schwerpunkts %1 m/d (%2 bis %3) gegenüber v/R %4 m/d.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="263"/>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="268"/>
        <source>&lt;b&gt;No light&lt;/b&gt;: four rounds of the same wells are needed, the site gives %1.</source>
        <translation>&lt;b&gt;Keine Ampel&lt;/b&gt;: vier Messkampagnen derselben Messstellen sind nötig, der Standort liefert %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="270"/>
        <source>&lt;b&gt;Plume light: &lt;span style=&quot;color:%1&quot;&gt;%2&lt;/span&gt;&lt;/b&gt;</source>
        <translation>&lt;b&gt;Fahnenampel: &lt;span style=&quot;color:%1&quot;&gt;%2&lt;/span&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="271"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="272"/>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="273"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="276"/>
        <source>Left out: %1</source>
        <translation>Ausgelassen: %1</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="306"/>
        <source>No transect yet: &quot;Add transect&quot; and type the wells across the flow to see the mass discharge; the lines of evidence show it too.</source>
        <translation>Noch kein Transekt: „Transekt hinzufügen“ und die Messstellen quer zur Strömung eingeben, um die Schadstofffracht zu sehen; die Beweislinien zeigen sie auch.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="313"/>
        <source>No mass discharge: %1</source>
        <translation>Keine Schadstofffracht: %1</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="334"/>
        <source>Left out:
%1</source>
        <translation>Ausgelassen:
%1</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="338"/>
        <source>Saturated thickness b not entered (Aquifer page): Md per metre of thickness.</source>
        <translation>Gesättigte Mächtigkeit b nicht eingegeben (Seite Grundwasserleiter): Md je Meter Mächtigkeit.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="352"/>
        <source>Background well %1 is no longer in the site data and counts for nothing.</source>
        <translation>Hintergrundmessstelle %1 ist nicht mehr in den Standortdaten und zählt nicht.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="353"/>
        <source>Background wells %1 are no longer in the site data and count for nothing.</source>
        <translation>Hintergrundmessstellen %1 sind nicht mehr in den Standortdaten und zählen nicht.</translation>
    </message>
    <message>
        <location filename="../analysis/SitePlumeView.cpp" line="399"/>
        <source>There is no well %1: the background wells are as before.</source>
        <translation>Es gibt keine Messstelle %1: die Hintergrundmessstellen bleiben wie zuvor.</translation>
    </message>
</context>
<context>
    <name>SiteTableModel</name>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="99"/>
        <location filename="../analysis/SiteTableModel.cpp" line="100"/>
        <source>Well</source>
        <translation>Messstelle</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="99"/>
        <source>In fit</source>
        <translation>In Anpassung</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="100"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="101"/>
        <source>Analyte</source>
        <translation>Analyt</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="101"/>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="102"/>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="102"/>
        <source>Non-detect</source>
        <translation>Nicht nachweisbar</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="178"/>
        <location filename="../analysis/SiteTableModel.cpp" line="302"/>
        <location filename="../analysis/SiteTableModel.cpp" line="309"/>
        <source>Not taken yet: %1</source>
        <translation>Noch nicht übernommen: %1</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="249"/>
        <source>%1: well: %2 is given other values on %3</source>
        <translation>%1: Messstelle: %2 hat andere Werte als in %3</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="259"/>
        <location filename="../analysis/SiteTableModel.cpp" line="280"/>
        <source>%1: well: %2 is no known well (add it with a wells table)</source>
        <translation>%1: Messstelle: %2 ist keine bekannte Messstelle (mit einer Messstellentabelle hinzufügen)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="266"/>
        <source>%1: value: %2 at %3 on %4 has another value than on %5</source>
        <translation>%1: Wert: %2 an %3 am %4 hat einen anderen Wert als in %5</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="357"/>
        <source>%1 wells, %2 samples.</source>
        <translation>%1 Messstellen, %2 Proben.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTableModel.cpp" line="358"/>
        <source> %1 marked rows not taken yet.</source>
        <translation> %1 markierte Zeilen noch nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>SiteTrendsView</name>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="52"/>
        <source>%1 (now %2 1/d, the preset under %3)</source>
        <translation>%1 (jetzt %2 1/d, die Vorgabe unter %3)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="80"/>
        <location filename="../analysis/SiteTrendsView.cpp" line="86"/>
        <source>Well</source>
        <translation>Messstelle</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="80"/>
        <source>k point [1/d]</source>
        <translation>k Punkt [1/d]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="80"/>
        <source>Half-life [d]</source>
        <translation>Halbwertszeit [d]</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="81"/>
        <source>Confidence</source>
        <translation>Konfidenz</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="81"/>
        <source>COV</source>
        <translation>VK</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="81"/>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="86"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Redox class</source>
        <translation>Redoxklasse</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Rests on</source>
        <translation>Beruht auf</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Solvent score</source>
        <translation>Lösemittel-Punktzahl</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="88"/>
        <source>Why</source>
        <translation>Warum</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="94"/>
        <source>A&amp;pply to aquifer</source>
        <translation>Auf Grundwasserleiter an&amp;wenden</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="105"/>
        <source>C&amp;ontaminant:</source>
        <translation>Sch&amp;adstoff:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="106"/>
        <source>&amp;Well:</source>
        <translation>&amp;Messstelle:</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="120"/>
        <source>Redox indicators [mg/L] and their class (thresholds of the USGS redox framework)</source>
        <translation>Redoxindikatoren [mg/L] und ihre Klasse (Schwellen des USGS-Redox-Schemas)</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="189"/>
        <source>%1
Points: %2
Not measured: %3
Not scored:
%4
Background: %5</source>
        <translation>%1
Punkte: %2
Nicht gemessen: %3
Nicht bewertet:
%4
Hintergrund: %5</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="192"/>
        <source>No screening row measured: %1
Not scored:
%2
Background: %3</source>
        <translation>Keine Screening-Zeile gemessen: %1
Nicht bewertet:
%2
Hintergrund: %3</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="198"/>
        <source>Suggested redox condition: &lt;b&gt;%1&lt;/b&gt; (%2). The aquifer has %3.</source>
        <translation>Vorgeschlagene Redoxbedingung: &lt;b&gt;%1&lt;/b&gt; (%2). Der Grundwasserleiter hat %3.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="208"/>
        <source> Applying it changes the preset decay constant of %1 assessed %2.</source>
        <translation> Die Anwendung ändert die vorgegebene Zerfallskonstante von %1 bewerteten %2.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="210"/>
        <source>contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="210"/>
        <source>contaminants</source>
        <translation>Schadstoffen</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="268"/>
        <source>Applying %1 to the aquifer changes the decay constant of assessed contaminants that use a database preset.</source>
        <translation>Die Anwendung von %1 auf den Grundwasserleiter ändert die Zerfallskonstante bewerteter Schadstoffe, die eine Datenbankvorgabe nutzen.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="273"/>
        <source>

Under %1 the database has no decay constant for:
</source>
        <translation>

Unter %1 hat die Datenbank keine Zerfallskonstante für:
</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="276"/>
        <source>

Under %1 the database preset differs for:
</source>
        <translation>

Unter %1 weicht die Datenbankvorgabe ab für:
</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="277"/>
        <source>

Yes: apply it and keep their present decay constants as user-defined values.
No: apply it; they take the presets under %1%2.
Cancel: leave the aquifer as it is.</source>
        <translation>

Ja: anwenden und ihre jetzigen Zerfallskonstanten als benutzerdefinierte Werte behalten.
Nein: anwenden; sie erhalten die Vorgaben unter %1%2.
Abbrechen: den Grundwasserleiter lassen, wie er ist.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="281"/>
        <source>, and those without one are left without a decay constant</source>
        <translation>, und die ohne eine bleiben ohne Zerfallskonstante</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="284"/>
        <source>Apply redox condition</source>
        <translation>Redoxbedingung anwenden</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="288"/>
        <source>Not applied: the aquifer keeps %1.</source>
        <translation>Nicht angewendet: der Grundwasserleiter behält %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="304"/>
        <source>%1 applied to the aquifer.</source>
        <translation>%1 auf den Grundwasserleiter angewendet.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="305"/>
        <source> No assessed contaminant&apos;s decay constant changed.</source>
        <translation> Die Zerfallskonstante keines bewerteten Schadstoffs hat sich geändert.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="317"/>
        <source> Kept as user-defined decay constants: %1.</source>
        <translation> Als benutzerdefinierte Zerfallskonstanten behalten: %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="318"/>
        <source> New presets: %1.</source>
        <translation> Neue Vorgaben: %1.</translation>
    </message>
    <message>
        <location filename="../analysis/SiteTrendsView.cpp" line="320"/>
        <source> No decay constant now (enter one on the Contaminants page): %1.</source>
        <translation> Jetzt ohne Zerfallskonstante (auf der Seite Schadstoffe eingeben): %1.</translation>
    </message>
</context>
<context>
    <name>TimeCharts</name>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="35"/>
        <source>Screening form</source>
        <translation>Screening-Form</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="39"/>
        <source>Exact solution</source>
        <translation>Exakte Lösung</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="70"/>
        <source>Concentration</source>
        <translation>Konzentration</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="71"/>
        <source>Concentration [%1]</source>
        <translation>Konzentration [%1]</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="98"/>
        <source>%1 years (%2)</source>
        <translation>%1 Jahre (%2)</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="108"/>
        <source>Time since the source appeared [years]</source>
        <translation>Zeit seit Auftreten der Quelle [Jahre]</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="109"/>
        <source>Time since the source appeared [d]</source>
        <translation>Zeit seit Auftreten der Quelle [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="110"/>
        <source>At the receptor</source>
        <translation>Am Schutzgut</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="116"/>
        <source>Distance from the source [m]</source>
        <translation>Abstand vom Schadensherd [m]</translation>
    </message>
    <message>
        <location filename="../analysis/TimeCharts.cpp" line="117"/>
        <source>Centre line after %1</source>
        <translation>Mittellinie nach %1</translation>
    </message>
</context>
<context>
    <name>TimeWindow</name>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="77"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="85"/>
        <source>Contaminant:</source>
        <translation>Schadstoff:</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="104"/>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="127"/>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="128"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="148"/>
        <source>Cancelled: press Run to compute the times again.</source>
        <translation>Abgebrochen: Starten drücken, um die Zeiten neu zu berechnen.</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="150"/>
        <source>The times could not be computed (out of memory).</source>
        <translation>Die Zeiten konnten nicht berechnet werden (zu wenig Speicher).</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="161"/>
        <source>No contaminant is assessed by the attenuation factor without problems: there is no receptor concentration to follow over time.</source>
        <translation>Kein Schadstoff wird ohne Probleme über den Abminderungsfaktor bewertet: es gibt keine Konzentration am Schutzgut, die über die Zeit verfolgt werden kann.</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="199"/>
        <source>Computing the times of %1 contaminants...</source>
        <translation>Berechne die Zeiten von %1 Schadstoffen...</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="219"/>
        <source> The steady values decay at lambda R and so differ from those without sorption.</source>
        <translation> Die stationären Werte nehmen mit lambda R ab und unterscheiden sich daher von denen ohne Sorption.</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="221"/>
        <source>
Decay chain: %1; in %2.</source>
        <translation>
Abbaukette: %1; in %2.</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="222"/>
        <source>the project&apos;s unit</source>
        <translation>der Einheit des Projekts</translation>
    </message>
    <message>
        <location filename="../analysis/TimeWindow.cpp" line="224"/>
        <source>
No screening values: </source>
        <translation>
Keine Screening-Werte: </translation>
    </message>
</context>
<context>
    <name>TimingTableModel</name>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="16"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="18"/>
        <source>Front [d]</source>
        <translation>Front [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="19"/>
        <source>t50 screening [d]</source>
        <translation>t50 Screening [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="20"/>
        <source>t50 exact [d]</source>
        <translation>t50 exakt [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="21"/>
        <source>t95 screening [d]</source>
        <translation>t95 Screening [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="22"/>
        <source>t95 exact [d]</source>
        <translation>t95 exakt [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="23"/>
        <source>Above CA, screening [d]</source>
        <translation>Über CA, Screening [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="24"/>
        <source>Above CA, exact [d]</source>
        <translation>Über CA, exakt [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="25"/>
        <source>Below CA again, exact [d]</source>
        <translation>Wieder unter CA, exakt [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="26"/>
        <source>Peak C/C0 (chain: C), exact</source>
        <translation>Spitze C/C0 (Kette: C), exakt</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="27"/>
        <source>Peak time, exact [d]</source>
        <translation>Spitzenzeit, exakt [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="28"/>
        <source>Source ks [1/d]</source>
        <translation>Quelle ks [1/d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="29"/>
        <source>Source at target [d]</source>
        <translation>Quelle am Ziel [d]</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="80"/>
        <source>constant</source>
        <translation>konstant</translation>
    </message>
    <message>
        <location filename="../analysis/TimingTableModel.cpp" line="93"/>
        <source>Followed through its decay chain: concentrations in the project&apos;s unit.</source>
        <translation>Über ihre Abbaukette verfolgt: Konzentrationen in der Einheit des Projekts.</translation>
    </message>
</context>
<context>
    <name>TransportDialog</name>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="57"/>
        <source>constant</source>
        <translation>konstant</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="58"/>
        <source>decaying at ks</source>
        <translation>abnehmend mit ks</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="60"/>
        <source>decaying from mass M0</source>
        <translation>abnehmend aus Masse M0</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="69"/>
        <source>Sorption and source</source>
        <translation>Sorption und Quelle</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="79"/>
        <source>Aquifer</source>
        <translation>Grundwasserleiter</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="96"/>
        <source>&amp;Bulk density ( rho_b ) :</source>
        <translation>&amp;Trockenrohdichte ( rho_b ) :</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="97"/>
        <source>Fraction of &amp;organic carbon ( foc ) :</source>
        <translation>Anteil &amp;organischer Kohlenstoff ( foc ) :</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="98"/>
        <source>&amp;Decay of dissolved and sorbed phase</source>
        <translation>&amp;Abbau von gelöster und sorbierter Phase</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="116"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="116"/>
        <source>Koc [L/kg]</source>
        <translation>Koc [L/kg]</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="116"/>
        <source>Koc source</source>
        <translation>Koc-Herkunft</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="116"/>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="118"/>
        <source>Source decay</source>
        <translation>Quellabnahme</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="125"/>
        <source>&amp;Koc from the bundled database</source>
        <translation>&amp;Koc aus der mitgelieferten Datenbank</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="143"/>
        <source>Show the contaminants &amp;not assessed</source>
        <translation>&amp;Nicht bewertete Schadstoffe zeigen</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="210"/>
        <location filename="../analysis/TransportDialog.cpp" line="283"/>
        <source>1 (no Koc)</source>
        <translation>1 (kein Koc)</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="273"/>
        <source>%1: the Koc source is longer than %2 characters</source>
        <translation>%1: die Koc-Herkunft ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="288"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="291"/>
        <source>not known</source>
        <translation>nicht bekannt</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="296"/>
        <source>ks = Q C0 / M0 with Q = Kf i W H = %1 m3/d</source>
        <translation>ks = Q C0 / M0 mit Q = Kf i W H = %1 m3/d</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="309"/>
        <source>The steady state decays at lambda * R: the plume length, the attenuation factor and their verdicts change for every contaminant with R &gt; 1.</source>
        <translation>Der stationäre Zustand nimmt mit lambda * R ab: Fahnenlänge, Abminderungsfaktor und ihre Urteile ändern sich für jeden Schadstoff mit R &gt; 1.</translation>
    </message>
    <message>
        <location filename="../analysis/TransportDialog.cpp" line="311"/>
        <source>Decay acts on the dissolved phase only: sorption delays the plume but changes no steady-state value or verdict.</source>
        <translation>Abbau wirkt nur auf die gelöste Phase: Sorption verzögert die Fahne, ändert aber keinen stationären Wert und kein Urteil.</translation>
    </message>
</context>
<context>
    <name>UncertaintyResultsView</name>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="68"/>
        <source>Contaminant</source>
        <translation>Schadstoff</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="69"/>
        <source>Assessment</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="70"/>
        <source>P(Green)</source>
        <translation>P(Grün)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="71"/>
        <source>P(Yellow)</source>
        <translation>P(Gelb)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="72"/>
        <source>P(Red)</source>
        <translation>P(Rot)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="75"/>
        <source>ratio 5 %</source>
        <translation>Verhältnis 5 %</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="117"/>
        <source>Results of the last run (not saved with the project)</source>
        <translation>Ergebnisse des letzten Laufs (nicht mit dem Projekt gespeichert)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="139"/>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="139"/>
        <source>Rank corr.</source>
        <translation>Rangkorr.</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="139"/>
        <source>Raising it</source>
        <translation>Erhöhung</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="187"/>
        <source>: the project&apos;s own inputs have problems (see the results page).</source>
        <translation>: die eigenen Eingaben des Projekts haben Probleme (siehe Ergebnisseite).</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="191"/>
        <source>%1, %2: Green %3, Yellow %4, Red %5 (each ± %6 or better) from %7 samples; the ratio %8 in 90 % of them.</source>
        <translation>%1, %2: Grün %3, Gelb %4, Rot %5 (jeweils ± %6 oder besser) aus %7 Stichproben; das Verhältnis %8 in 90 % davon.</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="196"/>
        <source>lies between %1 and %2</source>
        <translation>liegt zwischen %1 und %2</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="208"/>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="213"/>
        <source>hardly matters</source>
        <translation>kaum von Bedeutung</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="214"/>
        <source>raises ratio</source>
        <translation>erhöht Verhältnis</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyResultsView.cpp" line="215"/>
        <source>lowers ratio</source>
        <translation>senkt Verhältnis</translation>
    </message>
</context>
<context>
    <name>UncertaintyTexts</name>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="12"/>
        <source>x, distance to receptor (m)</source>
        <translation>x, Abstand zum Schutzgut (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="14"/>
        <source>Kf, hydraulic conductivity (m/d)</source>
        <translation>Kf, Durchlässigkeitsbeiwert (m/d)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="15"/>
        <source>i, hydraulic gradient</source>
        <translation>i, hydraulischer Gradient</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="16"/>
        <source>ne, effective porosity</source>
        <translation>ne, nutzbares Hohlraumvolumen</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="18"/>
        <source>ax, longitudinal dispersivity (m)</source>
        <translation>ax, longitudinale Dispersivität (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="20"/>
        <source>ay, transverse dispersivity (m)</source>
        <translation>ay, transversale Dispersivität (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="22"/>
        <source>az, vertical dispersivity (m)</source>
        <translation>az, vertikale Dispersivität (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="23"/>
        <source>source width (m)</source>
        <translation>Quellbreite (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="25"/>
        <source>source thickness (m)</source>
        <translation>Quellmächtigkeit (m)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="27"/>
        <source>lambda, decay constant (1/d)</source>
        <translation>lambda, Zerfallskonstante (1/d)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="29"/>
        <source>C0, concentration at source</source>
        <translation>C0, Konzentration am Schadensherd</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="31"/>
        <source>CA, accepted concentration at receptor</source>
        <translation>CA, zulässige Konzentration am Schutzgut</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="38"/>
        <source>fixed</source>
        <translation>fest</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="39"/>
        <source>uniform</source>
        <translation>gleichverteilt</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="40"/>
        <source>log-uniform</source>
        <translation>log-gleichverteilt</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="41"/>
        <source>triangular</source>
        <translation>dreieckig</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="42"/>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="43"/>
        <source>lognormal</source>
        <translation>lognormal</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="51"/>
        <source>keeps the project&apos;s value</source>
        <translation>behält den Wert des Projekts</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="53"/>
        <source>min, max</source>
        <translation>min, max</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="55"/>
        <source>min, mode, max</source>
        <translation>min, Modus, max</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="57"/>
        <source>mean, sd [, min, max]</source>
        <translation>Mittelwert, sd [, min, max]</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="59"/>
        <source>median, geometric sd [, min, max]</source>
        <translation>Median, geometrische sd [, min, max]</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="65"/>
        <source>plume length</source>
        <translation>Fahnenlänge</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="68"/>
        <source>AF, exact solution</source>
        <translation>AF, exakte Lösung</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="70"/>
        <source>AF, worse of the two</source>
        <translation>AF, ungünstigere der beiden</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyTexts.cpp" line="71"/>
        <source>attenuation factor</source>
        <translation>Abminderungsfaktor</translation>
    </message>
</context>
<context>
    <name>UncertaintyWindow</name>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="51"/>
        <source>Uncertainty</source>
        <translation>Unsicherheit</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="59"/>
        <source>&amp;Run</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="61"/>
        <source>&amp;Cancel run</source>
        <translation>Lauf &amp;abbrechen</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="141"/>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="143"/>
        <source>Re&amp;move</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="164"/>
        <source>&amp;Samples :</source>
        <translation>&amp;Stichproben :</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="166"/>
        <source>S&amp;eed :</source>
        <translation>Start&amp;wert :</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="183"/>
        <source>Distributions (every other input keeps its value)</source>
        <translation>Verteilungen (jede andere Eingabe behält ihren Wert)</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="289"/>
        <source>The inputs changed while the run drew its samples; its results were dropped. Run again.</source>
        <translation>Die Eingaben änderten sich, während der Lauf seine Stichproben zog; seine Ergebnisse wurden verworfen. Erneut starten.</translation>
    </message>
    <message>
        <location filename="../analysis/UncertaintyWindow.cpp" line="292"/>
        <source>The run needed more memory than there is; try fewer samples.</source>
        <translation>Der Lauf brauchte mehr Speicher als vorhanden; weniger Stichproben versuchen.</translation>
    </message>
</context>
<context>
    <name>VerdictMarks</name>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="95"/>
        <source>Screening model: %1, C(x)/C0 = %2 (C0/C = %3)
Exact solution: %4, C(x)/C0 = %5 (C0/C = %6)</source>
        <translation>Screening-Modell: %1, C(x)/C0 = %2 (C0/C = %3)
Exakte Lösung: %4, C(x)/C0 = %5 (C0/C = %6)</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="106"/>
        <source>
The exact concentration at the receptor is %1 times the screening value.</source>
        <translation>
Die exakte Konzentration am Schutzgut ist das %1-Fache des Screening-Werts.</translation>
    </message>
    <message>
        <location filename="../pages/CPropResultsLayout.cpp" line="109"/>
        <source>
The verdict is that of the %1.</source>
        <translation>
Das Urteil folgt der Bewertungsgrundlage: %1.</translation>
    </message>
    <message>
        <location filename="../pages/LambdaIntervalMarks.cpp" line="32"/>
        <source>Decay constant from the site&apos;s wells: %1</source>
        <translation>Zerfallskonstante aus den Messstellen des Standorts: %1</translation>
    </message>
    <message>
        <location filename="../pages/ResultVerdict.cpp" line="43"/>
        <source>Straddles CA: the screening model predicts %1 at the receptor, the exact solution %2; CA is %3.
Whether the receptor exceeds CA depends on the model.</source>
        <translation>Beiderseits von CA: das Screening-Modell sagt am Schutzgut %1 voraus, die exakte Lösung %2; CA ist %3.
Ob das Schutzgut CA überschreitet, hängt vom Modell ab.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="47"/>
        <source>by the screening model</source>
        <translation>nach dem Screening-Modell</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="48"/>
        <source>by the exact solution</source>
        <translation>nach der exakten Lösung</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="49"/>
        <source>by the worse of the two models</source>
        <translation>nach dem ungünstigeren der beiden Modelle</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="75"/>
        <source>Decay chain %1: %2. </source>
        <translation>Abbaukette %1: %2. </translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="78"/>
        <source>C(x) = %1 at the receptor %2, CA = %3.</source>
        <translation>C(x) = %1 am Schutzgut %2, CA = %3.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="81"/>
        <source>Plug flow along the chain never brings it below CA = %1.</source>
        <translation>Bei Kolbenströmung entlang der Kette fällt der Stoff nie unter CA = %1.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="84"/>
        <source>Plug flow along the chain never brings it up to CA = %1.</source>
        <translation>Bei Kolbenströmung entlang der Kette erreicht der Stoff CA = %1 nie.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="87"/>
        <source>Plug flow along the chain keeps it at or above CA = %1 up to %2 from the source, %3 times the distance x.</source>
        <translation>Bei Kolbenströmung entlang der Kette bleibt der Stoff bis %2 von der Quelle, dem %3-Fachen des Abstands x, bei oder über CA = %1.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="93"/>
        <source>
Data &gt; Decay chain shows the chain.</source>
        <translation>
Daten &gt; Abbaukette zeigt die Kette.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="106"/>
        <source>The site&apos;s wells give no class: %1</source>
        <translation>Die Messstellen des Standorts ergeben keine Klasse: %1</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="112"/>
        <source>%1 over the slope&apos;s whole %2 % interval</source>
        <translation>%1 über das ganze %2-%-Intervall der Steigung</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="115"/>
        <source>%1 to %2 over the slope&apos;s %3 % interval</source>
        <translation>%1 bis %2 über das %3-%-Intervall der Steigung</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="119"/>
        <source>The site&apos;s wells, distance fit of %1 (slope %2 per m): extrapolated to the receptor, C(x) = exp(a + m x) = %3 against CA = %4: %5; %6.</source>
        <translation>Die Messstellen des Standorts, Abstandsanpassung vom %1 (Steigung %2 je m): zum Schutzgut extrapoliert C(x) = exp(a + m x) = %3 gegen CA = %4: %5; %6.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="131"/>
        <source>%1 (s = %2, y = %3): measured %4, screening model %5, exact solution %6, %7 times the model</source>
        <translation>%1 (s = %2, y = %3): gemessen %4, Screening-Modell %5, exakte Lösung %6, das %7-Fache des Modells</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="139"/>
        <source>under</source>
        <translation>darunter</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="140"/>
        <source>The model underpredicts the wells: %1.
Marked where a well in the fit holds more than %2 times the %3.</source>
        <translation>Das Modell unterschätzt die Messstellen: %1.
Markiert, wo eine Messstelle der Anpassung mehr als das %2-Fache des Werts nach %3 enthält.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="157"/>
        <source>the exact solution (the worse of the two)</source>
        <translation>die exakte Lösung (die ungünstigere der beiden)</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="158"/>
        <source>the exact solution</source>
        <translation>die exakte Lösung</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="159"/>
        <source>the decay chain</source>
        <translation>die Abbaukette</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="160"/>
        <source>the site&apos;s wells</source>
        <translation>die Messstellen des Standorts</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="162"/>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="163"/>
        <source>Verdict: %1. %2 alone gives %3; %4 made it worse.</source>
        <translation>Urteil: %1. %2 allein ergibt %3; verschlechtert durch %4.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="165"/>
        <source>The plume length</source>
        <translation>Die Fahnenlänge</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="165"/>
        <source>The screening model</source>
        <translation>Das Screening-Modell</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="181"/>
        <source>Target %1 from the wells: C0 · CA / C(x) of the wells&apos; line.</source>
        <translation>Sanierungsziel %1 aus den Messstellen: C0 · CA / C(x) der Geraden der Messstellen.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="182"/>
        <source>Target %1 from the chain: C0 · CA / C(x) of the chain, its sources scaled alike.</source>
        <translation>Sanierungsziel %1 aus der Kette: C0 · CA / C(x) der Kette, ihre Quellen gleich skaliert.</translation>
    </message>
    <message>
        <location filename="../pages/VerdictMarks.cpp" line="213"/>
        <source>Verdict: %1, by its decay chain. Its own inputs allow no single-species model: their problems hold for that model only (right-click: Show problems).</source>
        <translation>Urteil: %1, nach seiner Abbaukette. Seine eigenen Eingaben erlauben kein Einzelstoffmodell: ihre Probleme gelten nur für dieses Modell (Rechtsklick: Probleme zeigen).</translation>
    </message>
</context>
</TS>
